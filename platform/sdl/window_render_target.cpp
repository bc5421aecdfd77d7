#include "platform/sdl/window_render_target.h"

#include <new>

#include "platform/graphics_factory.h"
#include "platform/sdl/sdl_window.h"

WindowRenderTarget::WindowRenderTarget(WindowHandle window, SizeU size, SDL_Renderer* renderer,
                                       SDL_Texture* texture)
    : SoftwareRenderTarget(size), window_(window), renderer_(renderer), texture_(texture) {
    window_->renderTarget = this;
}

WindowRenderTarget::~WindowRenderTarget() {
    detachWindow();
}

void WindowRenderTarget::detachWindow() {
    if (window_ == nullptr) return;
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    window_->renderTarget = nullptr;
    window_ = nullptr;
    texture_ = nullptr;
    renderer_ = nullptr;
}

HResult WindowRenderTarget::present() {
    if (deviceLost_) return D2DERR_RECREATE_TARGET;
    if (window_ == nullptr) return E_FAIL;
    const PixelImage& image = frame();
    // The frame is opaque after its Clear; the texture ignores alpha (no blending).
    const bool shown =
        SDL_UpdateTexture(texture_, nullptr, image.pixels.data(),
                          static_cast<int>(image.width * sizeof(std::uint32_t))) == 0 &&
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr) == 0;
    if (!shown) return D2DERR_RECREATE_TARGET;  // a new renderer is the one way back
    SDL_RenderPresent(renderer_);
    return S_OK;
}

HResult GraphicsFactory::CreateWindowRenderTarget(WindowHandle window, SizeU pixelSize,
                                                  RenderTarget** renderTarget) {
    if (renderTarget == nullptr) return E_POINTER;
    if (!isLiveWindow(window) || window->renderTarget != nullptr || pixelSize.width == 0 ||
        pixelSize.height == 0) {
        return E_INVALIDARG;
    }
    // SDL's own software renderer unless SDL_RENDER_DRIVER says otherwise: the
    // frame is already drawn, all that is left is one copy to the window.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // On X11 that copy goes straight into the window through shared memory. Left
    // to itself SDL routes it through OpenGL, which on a machine without a GPU is
    // a software rasteriser costing as much CPU as drawing the frame.
    const char* videoDriver = SDL_GetCurrentVideoDriver();
    if (videoDriver != nullptr && SDL_strcmp(videoDriver, "x11") == 0) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window->sdlWindow, -1, 0);
    if (renderer == nullptr) return E_FAIL;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                          static_cast<int>(pixelSize.width), static_cast<int>(pixelSize.height));
    if (texture == nullptr || SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE) != 0) {
        if (texture != nullptr) SDL_DestroyTexture(texture);
        SDL_DestroyRenderer(renderer);
        return E_FAIL;
    }
    *renderTarget = new (std::nothrow) WindowRenderTarget(window, pixelSize, renderer, texture);
    if (*renderTarget != nullptr) return S_OK;
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    return E_OUTOFMEMORY;
}
