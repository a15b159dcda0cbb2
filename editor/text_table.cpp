// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_table.h"

#include <QDebug>

#include <array>

namespace ql310 {

namespace {

struct Entry {
    int id;
    const char* text;
};

// Ids 101..422 without gaps, in order.
constexpr Entry kTable[] = {
    {101, "USB ISDN TA Configuration"},
    {102, "&File"},
    {103, "&Command"},
    {104, "&Help"},
    {105, "MSN"},
    {106, "Phone && Data Function"},
    {107, "Forwarding"},
    {108, "LCR"},
    {109, "Short Dial"},
    {110, "PhoneBook"},
    {111, "Port 1"},
    {112, "Port 2"},
    {113, "Port 3"},
    {114, "Port 4"},
    {115, "Data"},
    {116, "Port Number"},
    {117, "Name"},
    {118, "Incoming MSN && Ring type"},
    {119, "Accept All"},
    {120, "Type 1"},
    {121, "Type 2"},
    {122, "Type 3"},
    {123, "Type 4"},
    {124, "Outgoing Phone Number"},
    {125, "A-law"},
    {126, "u-law"},
    {127, "Need Morning Call"},
    {128, "Direct To Outside Line"},
    {129, "Show Incoming Caller ID"},
    {130, "Enable Outgoing Caller ID"},
    {131, "Enable Call Waiting"},
    {132, "Enable Take Over"},
    {133, "Stop Music On Hold"},
    {134, "Caller ID Option"},
    {135, "DTMF aft-first ring"},
    {136, "FSK aft-first ring"},
    {137, "DTMF pre-first ring"},
    {138, "FSK pre-first ring"},
    {139, "No Forward"},
    {140, "Busy"},
    {141, "No Answer"},
    {142, "Immediately"},
    {143, "Forward To"},
    {144, "Delay before forwarding on \"No Answer\""},
    {145, "Sec"},
    {146, "Forward According To Phone Book If No Answer"},
    {147, "Peer Phone Number"},
    {148, "Peer Name"},
    {149, "Active"},
    {150, "none"},
    {151, "Dial Range"},
    {152, "Prefix"},
    {153, "Active Time Range"},
    {154, "replace"},
    {155, "add"},
    {156, "Mon-Fri"},
    {157, "Sat-Sun"},
    {158, "Prefer 1 B channel first for MLPPP function when using NDISWAN driver"},
    {159, "&Load Setting"},
    {160, "&Save Setting"},
    {161, "L&oad LCR"},
    {162, "S&ave LCR"},
    {163, "Load &Phone Book"},
    {164, "&Exit"},
    {165, "&Read from ISDN TA"},
    {166, "Reset to &Default"},
    {167, "&Write to ISDN TA"},
    {168, "&On Line Menu"},
    {169, "&About ISDN TA"},
    {170, "Firmware :"},
    {171, "Open Success !"},
    {172, "Open Fail ! ISDN TA may not active"},
    {173, "Write to ISDN TA Success !"},
    {174, "Write to ISDN TA Fail ! ISDN TA May not active or busy"},
    {175, "Morning Call Time"},
    {176, "Exclusion Table"},
    {177, "About ISDN TA Configuration"},
    {178, "ISDN TA Configuration Program"},
    {179, "Copyright (C) the ql310set authors. Licensed under GPL-3.0-or-later."},
    {180, "                 "},
    {181, "Version"},
    {182, "OK"},
    {183, "Range between 1x -->4xxx , the first digit must between be 1 to 4"},
    {184, "Also appears at FSK CLID box"},
    {185, "Multiple Subscription Number && Ring Type Setting"},
    {186, "01"},
    {187, "02"},
    {188, "03"},
    {189, "04"},
    {190, "05"},
    {191, "06"},
    {192, "07"},
    {193, "08"},
    {194, "09"},
    {195, "10"},
    {196, "11"},
    {197, "12"},
    {198, "13"},
    {199, "14"},
    {200, "15"},
    {201, "16"},
    {202, "17"},
    {203, "18"},
    {204, "19"},
    {205, "20"},
    {206, "21"},
    {207, "22"},
    {208, "23"},
    {209, "24"},
    {210, "International"},
    {211, "Taiwan"},
    {212, "Germany"},
    {213, "Sweden"},
    {214, "France"},
    {215, "Switzerland"},
    {216, "Holland"},
    {217, "Finland"},
    {218, "Denmark"},
    {219, "United Kingdom"},
    {220, "Australia"},
    {221, "Norway"},
    {222, "Italy"},
    {223, "xxxxxx"},
    {224, "China"},
    {225, "Singapore"},
    {226, "Malaysia"},
    {227, "Spain"},
    {228, "Portugal"},
    {229, "Isreal"},
    {230, "Poland"},
    {231, "Czech"},
    {232, "Hungary"},
    {233, "Slovenia"},
    {234, "Estonia"},
    {235, "Slovakia"},
    {236, "NewZealand"},
    {237, "Korea"},
    {238, "Japan"},
    {239, "Philippine"},
    {240, "Thiland"},
    {241, "Turkey"},
    {242, "Greece"},
    {243, "Argentina"},
    {244, "Austria"},
    {245, "Bangladesh"},
    {246, "Belgium"},
    {247, "Brasil"},
    {248, "Bulgaria"},
    {249, "Canada"},
    {250, "Chile"},
    {251, "Colombia"},
    {252, "Egypt"},
    {253, "Hongkong"},
    {254, "India"},
    {255, "Indonesia"},
    {256, "Iran"},
    {257, "Iraq"},
    {258, "Ireland"},
    {259, "Mexico"},
    {260, "Peru"},
    {261, "Portugal"},
    {262, "Romania"},
    {263, "Russia"},
    {264, "Saudi Arabia"},
    {265, "South Africa"},
    {266, "xxxxxx"},
    {267, "Ukraine"},
    {268, "Sri Lanka"},
    {269, "xxxxxx"},
    {270, "xxxxxx"},
    {271, "xxxxxx"},
    {272, "xxxxxx"},
    {273, "xxxxxx"},
    {274, "xxxxxx"},
    {275, "xxxxxx"},
    {276, "xxxxxx"},
    {277, "xxxxxx"},
    {278, "xxxxxx"},
    {279, "xxxxxx"},
    {280, "xxxxxx"},
    {281, "xxxxxx"},
    {282, "xxxxxx"},
    {283, "Call Forwarding"},
    {284, "00"},
    {285, "01"},
    {286, "02"},
    {287, "03"},
    {288, "04"},
    {289, "05"},
    {290, "06"},
    {291, "07"},
    {292, "08"},
    {293, "09"},
    {294, "10"},
    {295, "11"},
    {296, "12"},
    {297, "13"},
    {298, "14"},
    {299, "15"},
    {300, "16"},
    {301, "17"},
    {302, "18"},
    {303, "19"},
    {304, "20"},
    {305, "21"},
    {306, "22"},
    {307, "23"},
    {308, "24"},
    {309, "25"},
    {310, "26"},
    {311, "27"},
    {312, "28"},
    {313, "29"},
    {314, "30"},
    {315, "31"},
    {316, "32"},
    {317, "33"},
    {318, "34"},
    {319, "35"},
    {320, "36"},
    {321, "37"},
    {322, "38"},
    {323, "39"},
    {324, "40"},
    {325, "41"},
    {326, "42"},
    {327, "43"},
    {328, "44"},
    {329, "45"},
    {330, "46"},
    {331, "47"},
    {332, "48"},
    {333, "49"},
    {334, "50"},
    {335, "51"},
    {336, "52"},
    {337, "53"},
    {338, "54"},
    {339, "55"},
    {340, "56"},
    {341, "57"},
    {342, "58"},
    {343, "59"},
    {344, "60"},
    {345, "The phone number such as local code and country code"},
    {346, "Allows the prefix to be replaced or added"},
    {347, "The phone code allows you to benefits the better tariff"},
    {348, "Call to remote party without dialing \"0\" if checked"},
    {349, "Call to remote party with dialing \"0\""},
    {350, "Receive and send a second call"},
    {351, "Take an on-going incoming call from another extension"},
    {352, "No waiting music while call in on hold"},
    {353, "Please refer to the \"Caller ID Option\" at user manual or on-line help"},
    {354, "Please refer to the \"Distinctive Ringing\" at user manual or on-line help"},
    {355, "Can appear at remote site"},
    {356, "Enter phone number for calling remote party"},
    {357, "Enter phone number for calling remote party"},
    {358, "Enter phone number of local extension or remote party"},
    {359, "Save Phone &Book"},
    {360, "Mon-Sun"},
    {361, "Yes"},
    {362, "No"},
    {363, "Table (1->20)"},
    {364, "All"},
    {365, "Start"},
    {366, "End"},
    {367, "add/replace"},
    {368, "Number"},
    {369, "Hour"},
    {370, "Period"},
    {371, "Yes/No"},
    {372, "Call Logging"},
    {373, "Port1"},
    {374, "Port2"},
    {375, "Port3"},
    {376, "Port4"},
    {377, "Data(B1)"},
    {378, "Data(B2)"},
    {379, "Port"},
    {380, "Phone Number"},
    {381, "Start Time"},
    {382, "End Time"},
    {383, "Duration"},
    {384, " IN"},
    {385, "OUT"},
    {386, "Call &Logging"},
    {387, "&Clear"},
    {388, "All"},
    {389, "Range"},
    {390, "  Month  / Day  /  Year      -->   Month  /  Day   / Year"},
    {391, "Yes"},
    {392, "Canel"},
    {393, "Clear Call Logging"},
    {394, "This time you got"},
    {395, "records in Call Logging."},
    {396, "&Read"},
    {397, "&Sort"},
    {398, "&Ascending"},
    {399, "&Descending"},
    {400, "Tran(B1)"},
    {401, "Tran(B2)"},
    {402, "Writing"},
    {403, "Writing to ISDN TA now?"},
    {404, "Waring! ISDN TA is not connected."},
    {405, "&Upgrade Firmware"},
    {406, "In/Out"},
    {407, "BOD"},
    {408, "1.Minimum 2nd B channel connection :"},
    {409, "2.Delay for 2nd B channel reconnect :"},
    {410, "3.Open 2nd B channel above :"},
    {411, "4.Close 2nd B channel below :"},
    {412, "CPS"},
    {413, "The value of \"Item4\" must be less than the \"Item3\"."},
    {414, "DDI Function"},
    {415, "Disable"},
    {416, "Point to Point"},
    {417, "Point to MP"},
    {418, "&Print"},
    {419, "Delete Entry"},
    {420, "Call forwarding of supplementary service:"},
    {421, "Activate"},
    {422, "Deactivate"},
};

static_assert(std::size(kTable) == kLastTextId - kFirstTextId + 1);

constexpr bool idsRunWithoutGaps()
{
    for (size_t i = 0; i < std::size(kTable); ++i)
        if (kTable[i].id != kFirstTextId + static_cast<int>(i))
            return false;
    return true;
}
static_assert(idsRunWithoutGaps());

} // namespace

QString text(const image::Shown& shown)
{
    if (shown.textId != 0)
        return text(shown.textId);
    return QString::fromStdString(shown.literal);
}

QString text(int id)
{
    if (id < kFirstTextId || id > kLastTextId) {
        qWarning("ql310set: no text with id %d", id);
        return {};
    }
    return QString::fromLatin1(kTable[id - kFirstTextId].text);
}

QString captionDisplayText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

QChar captionAccessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return {};
}

} // namespace ql310
