// The window render target: draws in memory like every software target and
// shows the finished frame through an SDL streaming texture.
#pragma once

#include <SDL.h>

#include "platform/raster/software_target.h"
#include "platform/window.h"

class WindowRenderTarget final : public SoftwareRenderTarget {
  public:
    WindowRenderTarget(WindowHandle window, SizeU size, SDL_Renderer* renderer,
                       SDL_Texture* texture);
    ~WindowRenderTarget() override;

    // The device is gone: the next EndDraw says the target must be recreated.
    void loseDevice() { deviceLost_ = true; }
    // The window is being destroyed: let go of everything made for it.
    void detachWindow();

  protected:
    HResult present() override;

  private:
    WindowHandle window_;
    SDL_Renderer* renderer_;
    SDL_Texture* texture_;
    bool deviceLost_ = false;
};
