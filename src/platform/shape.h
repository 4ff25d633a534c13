#pragma once

#include <cstdint>

namespace kirvano {

// Colours are 24-bit values 0x00BBGGRR.
using Colour = std::uint32_t;

// A filled shape: a station's LED.
class IShape
{
public:
    virtual ~IShape() = default;

    virtual void setFillColor(Colour colour) = 0;
};

} // namespace kirvano
