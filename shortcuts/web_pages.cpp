#include "shortcuts/web_pages.h"

#include <utility>

namespace speedrail {
namespace {

// Why the page is not open, said before the address the user can open by hand.
const char* explanation(WebOutcome outcome) {
    return outcome == WebOutcome::NoDesktopShell
               ? "No se ha podido abrir la página como usuario del escritorio, y SpeeDRaiL no abre "
                 "el navegador con sus derechos de administrador."
               : "Windows no ha podido abrir la página.";
}

void showAddress(Form& form, const std::string& explanation, const std::string& address) {
    form.platform.messageBox(explanation + " Ábrala en su navegador:\r\n\r\n" + address,
                             message_box::kExclamationOk, message_box::kTitle);
}

}  // namespace

void openPage(Form& form, const std::string& address) {
    if (form.state.pageRequested) {
        showAddress(form,
                    "El escritorio aún no ha respondido a la página anterior, así que esta no se "
                    "ha pedido.",
                    address);
        return;
    }
    form.state.pageRequested = address;
    form.platform.openWebAddress(address);
}

void PageAnswered(Form& form, const WebAnswer& answer) {
    const std::string address = std::exchange(form.state.pageRequested, std::nullopt).value_or("");
    form.state.msgAnswer = answer.result;
    if (answer.outcome != WebOutcome::Opened)
        showAddress(form, explanation(answer.outcome), address);
}

}  // namespace speedrail
