// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STATUSTIMEOUTS_H
#define STATUSTIMEOUTS_H

// How long a status bar message stays, in milliseconds, unless another one replaces it.
namespace StatusTimeout {

// The outcome of printing, and a notification handed over: the user saw it happen.
constexpr int brief = 2000;
// A failure or a count the user has to read, and may have looked away for.
constexpr int readable = 10000;

} // namespace StatusTimeout

#endif // STATUSTIMEOUTS_H
