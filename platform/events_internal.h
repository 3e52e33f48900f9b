// For platform/ code only: how pushed input is told apart from the real mouse.
#pragma once
#include <cstdint>

// The mouse id of button events pushed by the program (scripts, tests): SDL's
// own button state never sees those, so the translation keeps them here.
constexpr uint32_t kPushedMouseId = 0x52520001u;
void SetPushedButtons(uint32_t mask);
