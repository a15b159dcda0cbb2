// SPDX-License-Identifier: GPL-3.0-or-later
// A name from an address book as the adapter's PeerName holds it: 8-bit
// (Latin-1) characters, at most 18.
#pragma once

#include <QString>

namespace ql310::phonebook {

inline constexpr int kPeerNameLength = 18;

// Characters outside Latin-1 become their closest Latin-1 letters (the
// decomposition without its accents: "Ł" "L", "ő" "o", "ﬁ" "fi"), and only
// then "?"; line breaks and other control characters become blanks; runs
// of blanks become one; the result is cut to 18 characters, without a
// blank at either end.
QString peerName(const QString& name);
// True when peerName() had to cut the name to 18 characters.
bool peerNameCut(const QString& name);

} // namespace ql310::phonebook
