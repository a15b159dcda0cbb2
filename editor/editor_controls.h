// SPDX-License-Identifier: GPL-3.0-or-later
// The controls that hold the settings, found once by their object names:
// what the image decoder fills and the image encoder reads.
#pragma once

#include "layout.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QString;

namespace ql310 {

class CtlTimeSet;
class EditorWindow;
class FixedCellGrid;

struct PortControls {
    QLineEdit* number = nullptr;                              // PortNumber
    QLineEdit* name = nullptr;                                // PortName
    std::array<QLineEdit*, image::kMsnSlots> msn{};           // PortMSN1..3
    std::array<QComboBox*, image::kMsnSlots> ringType{};      // PortMSNType1..3
    QLineEdit* ownNumber = nullptr;                           // PortOwnNumber
    QCheckBox* acceptAllMsn = nullptr;
    QCheckBox* needMorningCall = nullptr;                     // PortNeedMCall
    CtlTimeSet* morningCall = nullptr;                        // TimeSet
    QCheckBox* toOutside = nullptr;
    QCheckBox* showInId = nullptr;
    QCheckBox* showOutId = nullptr;
    QCheckBox* callWait = nullptr;
    QCheckBox* takeOver = nullptr;
    QCheckBox* stopMusicOnHold = nullptr;
    QComboBox* forwardingType = nullptr;
    QLineEdit* forwardingNumber = nullptr;
    QComboBox* noAnswerTime = nullptr;
};

struct ExclusionControls {
    QLineEdit* dialA = nullptr;  // LCRETDialA: RangeFrom
    QLineEdit* dialB = nullptr;  // LCRETDialB: RangeTo
    QCheckBox* week = nullptr;
    QCheckBox* weekend = nullptr;
    QCheckBox* active = nullptr;
};

struct EditorControls {
    explicit EditorControls(const EditorWindow& editor);

    QCheckBox* dataAcceptAllMsn = nullptr;
    QCheckBox* prefer1B = nullptr;
    QComboBox* ddi = nullptr;
    QComboBox* analogLaw = nullptr;
    std::array<QLineEdit*, 5> dataMsn{};
    QLineEdit* dataOwnNumber = nullptr;
    QComboBox* callIdOption = nullptr;
    // Min2BCombo, Delay2BCombo, OpenCPSCombo, CloseCPSCombo.
    std::array<QComboBox*, 4> bod{};
    std::array<PortControls, image::kPorts> ports{};
    std::array<ExclusionControls, image::kExclusionEntries> exclusion{};
    std::array<FixedCellGrid*, 2> phoneBook{};  // entries 801..820, 821..840
    FixedCellGrid* shortDial = nullptr;
    FixedCellGrid* forward = nullptr;
    FixedCellGrid* lcr = nullptr;
};

// Grid places of the tables.
namespace grid_places {
inline constexpr int kPhoneBookRowsPerGrid = 20;  // rows 1..20 of each grid
inline constexpr int kPeerNumberColumn = 1;
inline constexpr int kPeerNameColumn = 2;
inline constexpr int kForwardToColumn = 3;
inline constexpr int kForwardActiveColumn = 4;
inline constexpr int kFirstShortDialRow = 3;  // entry i in row 3 + i, port p in column p + 1
inline constexpr int kFirstLcrRow = 2;        // LCR entry n (1..20) in row n + 1
inline constexpr int kLcrRangeFromColumn = 1;
inline constexpr int kLcrRangeToColumn = 3;
inline constexpr int kLcrPrefixModeColumn = 4;
inline constexpr int kLcrPrefixColumn = 5;
inline constexpr int kLcrStartColumn = 6;
inline constexpr int kLcrEndColumn = 8;
inline constexpr int kLcrDaysColumn = 9;
inline constexpr int kLcrActiveColumn = 10;
} // namespace grid_places

// Where phone-book record i (0..39) is shown: its grid and row.
struct PhoneBookCell {
    FixedCellGrid* grid;
    int row;
};
PhoneBookCell phoneBookCell(const EditorControls& controls, int record);

// Shows `shown` in a combo box. A pick-only list selects the equal item;
// when none is equal it selects nothing and shows the text as its
// placeholder, so that its selected text stays empty.
void showInCombo(QComboBox* combo, const QString& shown);

} // namespace ql310
