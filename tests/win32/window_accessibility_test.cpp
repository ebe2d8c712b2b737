// What a screen reader gets from the real main window through Active
// Accessibility: the boxes, the list and its entries, a picture, and the
// events that tell of changes.
#include <windows.h>
// oleacc.h builds on the types windows.h declares.
#include <oleacc.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/win32/control_window_ids.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_bstr.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

VARIANT childVariant(long id) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// One accessible object and what it says of itself or of a child.
struct Accessible {
    UniqueComPtr<IAccessible> object;

    static Accessible ofWindow(HWND window) {
        Accessible accessible;
        EXPECT_EQ(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                               IID_PPV_ARGS(accessible.object.put())),
                  S_OK);
        if (!accessible.object) throw std::runtime_error("no accessible object");
        return accessible;
    }
    std::string name(long child = CHILDID_SELF) const {
        UniqueBstr text;
        object->get_accName(childVariant(child), text.put());
        return text ? toUtf8(std::wstring(text.get(), ::SysStringLen(text.get())))
                    : std::string("<none>");
    }
    long role(long child = CHILDID_SELF) const {
        VARIANT v;
        ::VariantInit(&v);
        object->get_accRole(childVariant(child), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    long state(long child = CHILDID_SELF) const {
        VARIANT v;
        ::VariantInit(&v);
        object->get_accState(childVariant(child), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    long childCount() const {
        long count = -1;
        object->get_accChildCount(&count);
        return count;
    }
    HRESULT doDefaultAction(long child = CHILDID_SELF) const {
        return object->accDoDefaultAction(childVariant(child));
    }
    // The first child of that name; 0 for none.
    long childNamed(const std::string& wanted) const {
        for (long child = 1; child <= childCount(); ++child) {
            if (name(child) == wanted) return child;
        }
        return 0;
    }
};

// WinEvents raised in this process while the object lives.
class EventRecorder {
public:
    struct Event {
        DWORD event;
        HWND window;
        LONG object;
        LONG child;
        bool operator==(const Event& other) const {
            return event == other.event && window == other.window && object == other.object &&
                   child == other.child;
        }
    };
    EventRecorder() {
        current_ = this;
        hook_ = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, record,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        EXPECT_NE(hook_, nullptr);
    }
    ~EventRecorder() {
        if (hook_) ::UnhookWinEvent(hook_);
        current_ = nullptr;
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    bool saw(const Event& wanted) const {
        for (const Event& e : events_) {
            if (e == wanted) return true;
        }
        return false;
    }

private:
    static void CALLBACK record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                DWORD, DWORD) {
        if (current_) current_->events_.push_back(Event{event, window, object, child});
    }
    static inline EventRecorder* current_ = nullptr;  // the hook's callback has no context
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<Event> events_;
};

class WindowAccessibilityTest : public WindowTest {
protected:
    ComApartment apartment;  // a client needs COM to receive the objects
};

TEST_F(WindowAccessibilityTest, BoxesReadAsCheckBoxesWithTheirTicks) {
    open(96, /*show=*/true);
    const Accessible box = Accessible::ofWindow(child(ControlId::Check4));
    EXPECT_EQ(box.role(), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(box.name(), "Mantener funcionando servicios básicos de IMPRESIÓN");
    EXPECT_EQ(box.state() & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED),
              STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(box.doDefaultAction(), DISP_E_MEMBERNOTFOUND);  // disabled until a scan

    scan({"Spooler", "Themes"});
    click(child(ControlId::Check4), POINT{5, 5});
    EXPECT_EQ(
        box.state() & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE),
        STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE);

    // The default action is a click: the value turns over and the handler runs.
    EXPECT_EQ(box.doDefaultAction(), S_OK);
    window->processPendingEvents();
    EXPECT_EQ(window->form().state().box(Box::Check4), 0);
    EXPECT_FALSE(window->form().state().keepPrinting());
    EXPECT_EQ(box.state() & STATE_SYSTEM_CHECKED, 0);

    const Accessible button = Accessible::ofWindow(child(ControlId::Command4));
    EXPECT_EQ(button.role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(button.name(), "2º Detener ...");
}

TEST_F(WindowAccessibilityTest, ListEntriesAreNamedTickedAndToggledByTheirDefaultAction) {
    open(96, /*show=*/true);
    scan({"AudioSrv  ", "Spooler   ", "Themes    "});
    const HWND listWindow = child(ControlId::List1);
    const Accessible list = Accessible::ofWindow(listWindow);
    EXPECT_EQ(list.role(), ROLE_SYSTEM_LIST);
    ASSERT_EQ(list.childCount(), 3);
    EXPECT_EQ(list.role(2), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(list.name(2), "Spooler");
    EXPECT_NE(list.state(2) & STATE_SYSTEM_CHECKED, 0);

    const EventRecorder events;
    ::SetFocus(listWindow);
    ::SendMessageW(listWindow, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(list.state(2) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED),
              STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
    EXPECT_EQ(list.state(3) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED), 0);

    EXPECT_EQ(list.doDefaultAction(2), S_OK);
    EXPECT_FALSE(entries().selected(1));
    EXPECT_EQ(list.state(2) & STATE_SYSTEM_CHECKED, 0);
    window->form().Click(ControlId::Command5);  // the resume run writes the status line
    window->processPendingEvents();
    EXPECT_TRUE(events.saw({EVENT_OBJECT_FOCUS, listWindow, OBJID_CLIENT, 2}));
    EXPECT_TRUE(events.saw({EVENT_OBJECT_STATECHANGE, listWindow, OBJID_CLIENT, 2}));

    const Accessible form = Accessible::ofWindow(window->hwnd());
    const long status = form.childNamed(window->form().state().status);
    ASSERT_NE(status, 0) << "no child reads the status line";
    EXPECT_EQ(form.role(status), ROLE_SYSTEM_STATICTEXT);
    EXPECT_TRUE(events.saw({EVENT_OBJECT_NAMECHANGE, window->hwnd(), OBJID_CLIENT, status}));
}

// The painted pictures are there too, named by their tool tips; the default
// action runs the picture's click. While its box is up the window is
// disabled, as a message box disables its owner: a reader's press fails and
// the controls read as unavailable, and a click posted meanwhile runs
// nothing, neither inside the box nor after it.
TEST_F(WindowAccessibilityTest, PicturesAreButtonsThatRunTheirClickOneAtATime) {
    open(96, /*show=*/true);
    const Accessible form = Accessible::ofWindow(window->hwnd());
    const Accessible stop = Accessible::ofWindow(child(ControlId::Command4));
    const long help = form.childNamed("Ayuda rápida acerca de SpeeDRaiL ...");
    ASSERT_NE(help, 0);
    EXPECT_EQ(form.role(help), ROLE_SYSTEM_PUSHBUTTON);
    platform.whileMessageBoxShows = [&] {
        ::EnableWindow(window->hwnd(), FALSE);
        EXPECT_EQ(form.doDefaultAction(help), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(stop.doDefaultAction(), DISP_E_MEMBERNOTFOUND);
        EXPECT_NE(form.state(help) & stop.state() & STATE_SYSTEM_UNAVAILABLE, 0);
        ::PostMessageW(window->hwnd(), WM_COMMAND,
                       MAKEWPARAM(controlWindowId(ControlId::Command4), BN_CLICKED),
                       reinterpret_cast<LPARAM>(child(ControlId::Command4)));
        window->processPendingEvents();  // as the box's own loop does
        ::EnableWindow(window->hwnd(), TRUE);
    };
    EXPECT_EQ(form.doDefaultAction(help), S_OK);
    window->processPendingEvents();
    window->processPendingEvents();
    EXPECT_EQ(platform.calls, std::vector<std::string>{"message box 48 | Información - SpeeDRaiL"});
}

}  // namespace
}  // namespace speedrail::win32::testing
