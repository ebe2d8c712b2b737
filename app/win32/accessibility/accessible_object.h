// One IAccessible object handed to a client (a screen reader) through
// WM_GETOBJECT. It answers from an AccessibleModel that the window owns and
// from the system's standard object for the same window (parent, location,
// navigation of the object itself). Once the window and its model are gone,
// every call says the object is disconnected.
#pragma once

#include <windows.h>
// oleacc.h builds on the types windows.h declares.
#include <oleacc.h>

#include <memory>

#include "app/win32/accessibility/accessible_model.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// The answer to WM_GETOBJECT for `window`'s client area served by `model`;
// 0 (nothing of ours) when the object cannot be made.
LRESULT accessibleObjectResult(HWND window, std::weak_ptr<AccessibleModel> model, WPARAM wParam);

class AccessibleObject final : public IAccessible {
public:
    AccessibleObject(HWND window, std::weak_ptr<AccessibleModel> model);
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: clients call IAccessible directly; there is no type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

private:
    ~AccessibleObject() = default;

    // The model while the window lives, and the child id when `child` names
    // the object itself (0) or one of its children.
    std::shared_ptr<AccessibleModel> liveModel() const { return model_.lock(); }
    static bool childId(const AccessibleModel& model, const VARIANT& child, long& id);
    // The live model and the id `child` names, when that is the object
    // itself or a simple element; a child window answers for itself
    // (E_INVALIDARG), and a gone window for nothing (RPC_E_DISCONNECTED).
    HRESULT simpleElement(const VARIANT& child, std::shared_ptr<AccessibleModel>& model,
                          long& id) const;
    // A child as a client receives it: a child window's object, or its id.
    void putChild(const AccessibleModel& model, long id, VARIANT* out) const;

    ULONG references_ = 1;
    HWND window_;
    std::weak_ptr<AccessibleModel> model_;
    UniqueComPtr<IAccessible> standard_;  // the system's object; may be missing
};

}  // namespace speedrail::win32
