#pragma once
// Numbered control families (`melee1`..`melee3`, `equip1`..`equip24`) live in arrays indexed
// from 1 like their names; element 0 stays empty.
#include <QString>
#include <array>

template <class Control, int N> using Family = std::array<Control*, N + 1>;

// Creates family members named prefix1..prefixN, each built by make(name).
template <class Control, std::size_t M, class Make>
void makeFamily(std::array<Control*, M>& family, const QString& prefix, Make make) {
    family[0] = nullptr;
    for (std::size_t i = 1; i < M; ++i)
        family[i] = make(prefix + QString::number(i));
}
