#include "Platform/X11/X11KeysymTable.h"

#include <X11/keysym.h>

#include <array>
#include <utility>

namespace quillorbitex::x11 {

namespace {

// Virtual key codes number key positions of the ANSI layout, not characters.
constexpr std::array<std::pair<VirtualKeyCode, Keysym>, 57> kKeysyms = {{
    {0, XK_a},       {1, XK_s},       {2, XK_d},     {3, XK_f},      {4, XK_h},
    {5, XK_g},       {6, XK_z},       {7, XK_x},     {8, XK_c},      {9, XK_v},
    {11, XK_b},      {12, XK_q},      {13, XK_w},    {14, XK_e},     {15, XK_r},
    {16, XK_y},      {17, XK_t},      {18, XK_1},    {19, XK_2},     {20, XK_3},
    {21, XK_4},      {22, XK_6},      {23, XK_5},    {25, XK_9},     {26, XK_7},
    {28, XK_8},      {29, XK_0},      {31, XK_o},    {32, XK_u},     {34, XK_i},
    {35, XK_p},      {36, XK_Return}, {37, XK_l},    {38, XK_j},     {40, XK_k},
    {45, XK_n},      {46, XK_m},      {48, XK_Tab},  {49, XK_space}, {51, XK_BackSpace},
    {53, XK_Escape}, {96, XK_F5},     {97, XK_F6},   {98, XK_F7},    {99, XK_F3},
    {100, XK_F8},    {101, XK_F9},    {103, XK_F11}, {109, XK_F10},  {111, XK_F12},
    {118, XK_F4},    {120, XK_F2},    {122, XK_F1},  {123, XK_Left}, {124, XK_Right},
    {125, XK_Down},  {126, XK_Up},
}};

}  // namespace

std::optional<Keysym> keysymForVirtualKeyCode(VirtualKeyCode keyCode) {
    for (const auto& [code, keysym] : kKeysyms) {
        if (code == keyCode) {
            return keysym;
        }
    }
    return std::nullopt;
}

}  // namespace quillorbitex::x11
