#include "platform/win32/media_player.h"

#include "platform/win32/music_files.h"
#include "platform/win32/unique_bstr.h"
#include "platform/win32/unique_com_ptr.h"

namespace speedrail::win32 {

namespace {

// Dispatch ids of the player's automation interface.
constexpr DISPID kUrlDispatchId = 1;
constexpr DISPID kCloseDispatchId = 3;

}  // namespace

MediaPlayer::~MediaPlayer() = default;

std::unique_ptr<MediaPlayer> MediaPlayer::create() {
    UniqueComPtr<IUnknown> object;
    if (FAILED(::CoCreateInstance(__uuidof(WindowsMediaPlayer), nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(object.put())))) {
        return nullptr;
    }
    std::unique_ptr<MediaPlayer> player(new MediaPlayer);
    if (FAILED(object->QueryInterface(IID_PPV_ARGS(player->core_.put())))) return nullptr;

    // The player's automation interface. Some implementations (Wine) do not
    // hand out IDispatch by itself; the typed interface is dual, so its
    // IDispatch part serves then.
    if (FAILED(object->QueryInterface(IID_PPV_ARGS(player->dispatch_.put())))) {
        player->core_->AddRef();
        player->dispatch_.reset(player->core_.get());
    }

    player->applySettings();
    return player;
}

// Setting the URL starts playback at once, the track plays once at half
// volume, and a file that cannot be played never opens an error dialog.
// Each setting is applied on its own: an implementation lacking one (Wine
// has no playCount) still takes the others.
void MediaPlayer::applySettings() {
    UniqueComPtr<IWMPSettings> settings;
    if (FAILED(core_->get_settings(settings.put())) || !settings) return;
    settings->put_autoStart(VARIANT_TRUE);
    settings->put_playCount(1);
    settings->put_volume(50);
    settings->put_enableErrorDialogs(VARIANT_FALSE);
}

// The URL goes in through the automation interface (dispatch id 1, property
// put) and, where that is not implemented, through the typed interface.
void MediaPlayer::play(const std::string& name) {
    const std::wstring path = musicFilePath(name);
    UniqueBstr url(::SysAllocStringLen(path.data(), static_cast<UINT>(path.size())));
    if (!url) return;

    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = url.get();  // still owned by `url`
    DISPID propertyPut = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &propertyPut, 1, 1};
    const HRESULT result =
        dispatch_->Invoke(kUrlDispatchId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                          &parameters, nullptr, nullptr, nullptr);
    if (FAILED(result)) core_->put_URL(url.get());
}

// close (dispatch id 3, a method without arguments), else the typed close,
// else, where neither is implemented (Wine), at least stop playback.
void MediaPlayer::close() {
    DISPPARAMS noArguments{};
    if (SUCCEEDED(dispatch_->Invoke(kCloseDispatchId, IID_NULL, LOCALE_USER_DEFAULT,
                                    DISPATCH_METHOD, &noArguments, nullptr, nullptr, nullptr))) {
        return;
    }
    if (SUCCEEDED(core_->close())) return;
    UniqueComPtr<IWMPControls> controls;
    if (FAILED(core_->get_controls(controls.put())) || !controls) return;
    controls->stop();
}

}  // namespace speedrail::win32
