#include "app/win32/accessibility/accessible_object.h"

#include <new>
#include <string>

#include "app/win32/accessibility/oleacc.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

HRESULT putText(const std::optional<std::string>& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!text) return S_FALSE;
    const std::wstring wide = toWide(*text);
    *out = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

void putLong(long value, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = value;
}

void putEmpty(VARIANT* out) { out->vt = VT_EMPTY; }

}  // namespace

LRESULT accessibleObjectResult(HWND window, std::weak_ptr<AccessibleModel> model, WPARAM wParam) {
    auto* object = new (std::nothrow) AccessibleObject(window, std::move(model));
    if (!object) return 0;
    // The result holds its own reference; ours goes.
    const LRESULT result = oleacc::lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

AccessibleObject::AccessibleObject(HWND window, std::weak_ptr<AccessibleModel> model)
    : window_(window), model_(std::move(model)) {
    oleacc::createStdAccessibleObject(window, OBJID_CLIENT, IID_PPV_ARGS(standard_.put()));
}

// ---------------------------------------------------------------------------
// IUnknown and IDispatch.

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// A plain count: the object is made and handed out on the window's thread,
// and a reader in another process reaches it through COM's proxy, which
// calls in on that same thread (single-threaded apartment).
ULONG AccessibleObject::AddRef() { return ++references_; }

ULONG AccessibleObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

// ---------------------------------------------------------------------------
// Children.

bool AccessibleObject::childId(const AccessibleModel& model, const VARIANT& child, long& id) {
    if (child.vt != VT_I4) return false;
    id = child.lVal;
    return id == CHILDID_SELF || (id >= 1 && id <= model.childCount());
}

void AccessibleObject::putChild(const AccessibleModel& model, long id, VARIANT* out) const {
    if (const HWND window = id != CHILDID_SELF ? model.childWindow(id) : nullptr) {
        UniqueComPtr<IDispatch> object;
        if (SUCCEEDED(oleacc::accessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW),
                                                         IID_PPV_ARGS(object.put()))) &&
            object) {
            out->vt = VT_DISPATCH;
            out->pdispVal = object.release();  // the caller's now
            return;
        }
    }
    putLong(id, out);
}

HRESULT AccessibleObject::simpleElement(const VARIANT& child,
                                        std::shared_ptr<AccessibleModel>& model, long& id) const {
    model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    if (!childId(*model, child, id) || model->childWindow(id)) return E_INVALIDARG;
    return S_OK;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!liveModel()) return RPC_E_DISCONNECTED;
    return standard_ ? standard_->get_accParent(parent) : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    *count = model->childCount();
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    long id = 0;
    if (!childId(*model, child, id) || id == CHILDID_SELF) return E_INVALIDARG;
    const HWND window = model->childWindow(id);
    if (!window) return S_FALSE;  // a simple element: its parent answers for it
    return oleacc::accessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW),
                                              IID_IDispatch, reinterpret_cast<void**>(object));
}

// ---------------------------------------------------------------------------
// Properties. A child window answers through its own object.

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    const std::optional<std::string> text = model->name(id);
    if (!text && id == CHILDID_SELF && standard_) return standard_->get_accName(child, name);
    return putText(text, name);
}

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) {
    if (value) *value = nullptr;
    return liveModel() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    return putText(model->description(id), description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    putEmpty(role);
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    putLong(model->role(id), role);
    return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    putEmpty(state);
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    putLong(model->state(id), state);
    return S_OK;
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
    if (help) *help = nullptr;
    return liveModel() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return liveModel() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut) *shortcut = nullptr;
    if (!liveModel()) return RPC_E_DISCONNECTED;
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF && standard_) {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
    if (!focus) return E_POINTER;
    putEmpty(focus);
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    if (const std::optional<long> child = model->focusedChild()) {
        putChild(*model, *child, focus);
        return S_OK;
    }
    return standard_ ? standard_->get_accFocus(focus) : S_FALSE;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
    if (!selection) return E_POINTER;
    putEmpty(selection);
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    const std::optional<long> child = model->selectedChild();
    if (!child) return S_FALSE;
    putChild(*model, *child, selection);
    return S_OK;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    return putText(model->defaultAction(id), action);
}

// ---------------------------------------------------------------------------
// Methods.

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    long id = 0;
    if (!childId(*model, child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF) {
        return standard_ ? standard_->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
    }
    return model->select(flags, id) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    if (id == CHILDID_SELF) {
        return standard_ ? standard_->accLocation(left, top, width, height, child)
                         : DISP_E_MEMBERNOTFOUND;
    }
    const std::optional<RECT> place = model->location(id);
    if (!place) return DISP_E_MEMBERNOTFOUND;
    *left = place->left;
    *top = place->top;
    *width = place->right - place->left;
    *height = place->bottom - place->top;
    return S_OK;
}

// Among the children: first, last, next and previous (up and down are
// previous and next in a column of entries). The object itself moves
// among its siblings as the standard object says.
HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    putEmpty(end);
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    long from = 0;
    if (!childId(*model, start, from)) return E_INVALIDARG;
    const long count = model->childCount();
    long to = 0;
    switch (direction) {
        case NAVDIR_FIRSTCHILD:
        case NAVDIR_LASTCHILD:
            if (from != CHILDID_SELF) return E_INVALIDARG;
            if (count == 0) return S_FALSE;
            to = direction == NAVDIR_FIRSTCHILD ? 1 : count;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_DOWN:
        case NAVDIR_PREVIOUS:
        case NAVDIR_UP:
            if (from == CHILDID_SELF) {
                return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
            }
            to = direction == NAVDIR_NEXT || direction == NAVDIR_DOWN ? from + 1 : from - 1;
            if (to < 1 || to > count) return S_FALSE;
            break;
        default:
            return from == CHILDID_SELF && standard_ ? standard_->accNavigate(direction, start, end)
                                                     : S_FALSE;
    }
    putChild(*model, to, end);
    return S_OK;
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    putEmpty(child);
    const auto model = liveModel();
    if (!model) return RPC_E_DISCONNECTED;
    RECT client{};
    ::GetClientRect(window_, &client);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const POINT point{x, y};
    if (!::PtInRect(&client, point)) return S_FALSE;
    putChild(*model, model->childAt(point).value_or(CHILDID_SELF), child);
    return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    std::shared_ptr<AccessibleModel> model;
    long id = 0;
    if (const HRESULT named = simpleElement(child, model, id); FAILED(named)) return named;
    return model->doDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace speedrail::win32
