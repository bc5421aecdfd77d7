// Platform objects held by the checks, released when the holder goes.
#pragma once

#include <memory>

#include "platform/render.h"

struct Releaser {
    void operator()(PlatformObject* object) const { object->Release(); }
};
template <class T>
using Owned = std::unique_ptr<T, Releaser>;
