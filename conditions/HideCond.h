#pragma once

#include <QString>

// One pending visibility condition (a `c` element) until it is wired to its
// source lines. `Target` is the line or the navigation item it hides.
template <typename Target> struct HideCond
{
    Target* target = nullptr;
    QString s;     // key of the source setting
    int op = -1;   // operator code, -1 when `o` names none
    int value = 0; // `v` read as a decimal integer
};
