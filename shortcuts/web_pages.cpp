#include "shortcuts/web_pages.h"

#include <utility>

namespace speedrail {
namespace {

constexpr const char* kNotOpened = "Windows no ha podido abrir la página.";

// Why the page is not open, said before the address the user can open by hand.
const char* explanation(WebOutcome outcome) {
    return outcome == WebOutcome::NoDesktopShell
               ? "No se ha podido abrir la página como usuario del escritorio, y SpeeDRaiL no abre "
                 "el navegador con sus derechos de administrador."
               : kNotOpened;
}

void showAddress(Form& form, const std::string& explanation, const std::string& address,
                 const char* howToOpen = " Ábrala en su navegador:") {
    form.platform.messageBox(explanation + howToOpen + "\r\n\r\n" + address,
                             message_box::kExclamationOk, message_box::kTitle);
}

// The request may still open the page, so nothing here says it will not.
void tellSlow(Form& form) {
    form.state.pageSlowTold = true;
    showAddress(form, "Windows está tardando en abrir la página.",
                form.state.pageRequested.value_or(""),
                " Si no llega a abrirse, ábrala en su navegador:");
}

}  // namespace

void openPage(Form& form, const std::string& address) {
    if (form.state.pageRequested == address) {
        tellSlow(form);
        return;
    }
    if (form.state.pageRequested) {
        showAddress(form,
                    "Windows aún no ha terminado de abrir la página anterior, así que esta no se "
                    "ha pedido.",
                    address);
        return;
    }
    // Pending only once the platform has the request: one that never got
    // there must not hold back every later page.
    try {
        form.platform.openWebAddress(address);
    } catch (...) {
        showAddress(form, kNotOpened, address);
        return;
    }
    form.state.pageRequested = address;
    form.window.pageRequestChanged();
}

void answerPage(Form& form, const WebAnswer& answer) {
    if (answer.outcome == WebOutcome::Slow) {
        if (form.state.pageRequested && !form.state.pageSlowTold) tellSlow(form);
        return;
    }
    const std::string address = std::exchange(form.state.pageRequested, std::nullopt).value_or("");
    form.state.pageSlowTold = false;
    form.window.pageRequestChanged();
    form.state.msgAnswer = answer.result;
    if (answer.outcome != WebOutcome::Opened)
        showAddress(form, explanation(answer.outcome), address);
}

}  // namespace speedrail
