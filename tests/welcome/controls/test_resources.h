#pragma once
// The images that the tests look for on the screen.

#include "tests/welcome/controls/test_image_ids.h"

// The product's images of two buttons, as the layout table numbers them.
struct ButtonImages
{
    unsigned nNormal, nPressed, nFocused, nDisabled;
};
constexpr ButtonImages kExitImages = {131, 132, 133, 134};     // disabled number: explore's normal image
constexpr ButtonImages kExploreImages = {134, 135, 136, 137};  // disabled number: a larger picture
constexpr unsigned kLabelEnabled = 126;
constexpr unsigned kLabelDisabled = 127;
