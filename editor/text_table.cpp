// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_table.h"

#include <QCoreApplication>
#include <QDebug>

#include <array>

namespace ql310 {

namespace {

struct Entry {
    int id;
    // The English text, and the text's number as it appears in the
    // translations: each id is its own message there (context
    // "ql310::TextTable", disambiguation the id), so that two ids of the same
    // English text may read differently in another language.
    struct {
        const char* source;
        const char* id;
    } text;
};

// Ids 101..422 without gaps, in order.
constexpr Entry kTable[] = {
    {101, QT_TRANSLATE_NOOP3("ql310::TextTable", "USB ISDN TA Configuration", "101")},
    {102, QT_TRANSLATE_NOOP3("ql310::TextTable", "&File", "102")},
    {103, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Command", "103")},
    {104, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Help", "104")},
    {105, QT_TRANSLATE_NOOP3("ql310::TextTable", "MSN", "105")},
    {106, QT_TRANSLATE_NOOP3("ql310::TextTable", "Phone && Data Function", "106")},
    {107, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forwarding", "107")},
    {108, QT_TRANSLATE_NOOP3("ql310::TextTable", "LCR", "108")},
    {109, QT_TRANSLATE_NOOP3("ql310::TextTable", "Short Dial", "109")},
    {110, QT_TRANSLATE_NOOP3("ql310::TextTable", "PhoneBook", "110")},
    {111, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 1", "111")},
    {112, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 2", "112")},
    {113, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 3", "113")},
    {114, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 4", "114")},
    {115, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data", "115")},
    {116, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port Number", "116")},
    {117, QT_TRANSLATE_NOOP3("ql310::TextTable", "Name", "117")},
    {118, QT_TRANSLATE_NOOP3("ql310::TextTable", "Incoming MSN && Ring type", "118")},
    {119, QT_TRANSLATE_NOOP3("ql310::TextTable", "Accept All", "119")},
    {120, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 1", "120")},
    {121, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 2", "121")},
    {122, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 3", "122")},
    {123, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 4", "123")},
    {124, QT_TRANSLATE_NOOP3("ql310::TextTable", "Outgoing Phone Number", "124")},
    {125, QT_TRANSLATE_NOOP3("ql310::TextTable", "A-law", "125")},
    {126, QT_TRANSLATE_NOOP3("ql310::TextTable", "u-law", "126")},
    {127, QT_TRANSLATE_NOOP3("ql310::TextTable", "Need Morning Call", "127")},
    {128, QT_TRANSLATE_NOOP3("ql310::TextTable", "Direct To Outside Line", "128")},
    {129, QT_TRANSLATE_NOOP3("ql310::TextTable", "Show Incoming Caller ID", "129")},
    {130, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Outgoing Caller ID", "130")},
    {131, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Call Waiting", "131")},
    {132, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Take Over", "132")},
    {133, QT_TRANSLATE_NOOP3("ql310::TextTable", "Stop Music On Hold", "133")},
    {134, QT_TRANSLATE_NOOP3("ql310::TextTable", "Caller ID Option", "134")},
    {135, QT_TRANSLATE_NOOP3("ql310::TextTable", "DTMF aft-first ring", "135")},
    {136, QT_TRANSLATE_NOOP3("ql310::TextTable", "FSK aft-first ring", "136")},
    {137, QT_TRANSLATE_NOOP3("ql310::TextTable", "DTMF pre-first ring", "137")},
    {138, QT_TRANSLATE_NOOP3("ql310::TextTable", "FSK pre-first ring", "138")},
    {139, QT_TRANSLATE_NOOP3("ql310::TextTable", "No Forward", "139")},
    {140, QT_TRANSLATE_NOOP3("ql310::TextTable", "Busy", "140")},
    {141, QT_TRANSLATE_NOOP3("ql310::TextTable", "No Answer", "141")},
    {142, QT_TRANSLATE_NOOP3("ql310::TextTable", "Immediately", "142")},
    {143, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forward To", "143")},
    {144, QT_TRANSLATE_NOOP3("ql310::TextTable", "Delay before forwarding on \"No Answer\"", "144")},
    {145, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sec", "145")},
    {146, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forward According To Phone Book If No Answer", "146")},
    {147, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peer Phone Number", "147")},
    {148, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peer Name", "148")},
    {149, QT_TRANSLATE_NOOP3("ql310::TextTable", "Active", "149")},
    {150, QT_TRANSLATE_NOOP3("ql310::TextTable", "none", "150")},
    {151, QT_TRANSLATE_NOOP3("ql310::TextTable", "Dial Range", "151")},
    {152, QT_TRANSLATE_NOOP3("ql310::TextTable", "Prefix", "152")},
    {153, QT_TRANSLATE_NOOP3("ql310::TextTable", "Active Time Range", "153")},
    {154, QT_TRANSLATE_NOOP3("ql310::TextTable", "replace", "154")},
    {155, QT_TRANSLATE_NOOP3("ql310::TextTable", "add", "155")},
    {156, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mon-Fri", "156")},
    {157, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sat-Sun", "157")},
    {158, QT_TRANSLATE_NOOP3("ql310::TextTable", "Prefer 1 B channel first for MLPPP function when using NDISWAN driver", "158")},
    {159, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Load Setting", "159")},
    {160, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Save Setting", "160")},
    {161, QT_TRANSLATE_NOOP3("ql310::TextTable", "L&oad LCR", "161")},
    {162, QT_TRANSLATE_NOOP3("ql310::TextTable", "S&ave LCR", "162")},
    {163, QT_TRANSLATE_NOOP3("ql310::TextTable", "Load &Phone Book", "163")},
    {164, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Exit", "164")},
    {165, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Read from ISDN TA", "165")},
    {166, QT_TRANSLATE_NOOP3("ql310::TextTable", "Reset to &Default", "166")},
    {167, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Write to ISDN TA", "167")},
    {168, QT_TRANSLATE_NOOP3("ql310::TextTable", "&On Line Menu", "168")},
    {169, QT_TRANSLATE_NOOP3("ql310::TextTable", "&About ISDN TA", "169")},
    {170, QT_TRANSLATE_NOOP3("ql310::TextTable", "Firmware :", "170")},
    {171, QT_TRANSLATE_NOOP3("ql310::TextTable", "Open Success !", "171")},
    {172, QT_TRANSLATE_NOOP3("ql310::TextTable", "Open Fail ! ISDN TA may not active", "172")},
    {173, QT_TRANSLATE_NOOP3("ql310::TextTable", "Write to ISDN TA Success !", "173")},
    {174, QT_TRANSLATE_NOOP3("ql310::TextTable", "Write to ISDN TA Fail ! ISDN TA May not active or busy", "174")},
    {175, QT_TRANSLATE_NOOP3("ql310::TextTable", "Morning Call Time", "175")},
    {176, QT_TRANSLATE_NOOP3("ql310::TextTable", "Exclusion Table", "176")},
    {177, QT_TRANSLATE_NOOP3("ql310::TextTable", "About ISDN TA Configuration", "177")},
    {178, QT_TRANSLATE_NOOP3("ql310::TextTable", "ISDN TA Configuration Program", "178")},
    {179, QT_TRANSLATE_NOOP3("ql310::TextTable", "Copyright (C) the ql310set authors. Licensed under GPL-3.0-or-later.", "179")},
    {180, QT_TRANSLATE_NOOP3("ql310::TextTable", "                 ", "180")},
    {181, QT_TRANSLATE_NOOP3("ql310::TextTable", "Version", "181")},
    {182, QT_TRANSLATE_NOOP3("ql310::TextTable", "OK", "182")},
    {183, QT_TRANSLATE_NOOP3("ql310::TextTable", "Range between 1x -->4xxx , the first digit must between be 1 to 4", "183")},
    {184, QT_TRANSLATE_NOOP3("ql310::TextTable", "Also appears at FSK CLID box", "184")},
    {185, QT_TRANSLATE_NOOP3("ql310::TextTable", "Multiple Subscription Number && Ring Type Setting", "185")},
    {186, QT_TRANSLATE_NOOP3("ql310::TextTable", "01", "186")},
    {187, QT_TRANSLATE_NOOP3("ql310::TextTable", "02", "187")},
    {188, QT_TRANSLATE_NOOP3("ql310::TextTable", "03", "188")},
    {189, QT_TRANSLATE_NOOP3("ql310::TextTable", "04", "189")},
    {190, QT_TRANSLATE_NOOP3("ql310::TextTable", "05", "190")},
    {191, QT_TRANSLATE_NOOP3("ql310::TextTable", "06", "191")},
    {192, QT_TRANSLATE_NOOP3("ql310::TextTable", "07", "192")},
    {193, QT_TRANSLATE_NOOP3("ql310::TextTable", "08", "193")},
    {194, QT_TRANSLATE_NOOP3("ql310::TextTable", "09", "194")},
    {195, QT_TRANSLATE_NOOP3("ql310::TextTable", "10", "195")},
    {196, QT_TRANSLATE_NOOP3("ql310::TextTable", "11", "196")},
    {197, QT_TRANSLATE_NOOP3("ql310::TextTable", "12", "197")},
    {198, QT_TRANSLATE_NOOP3("ql310::TextTable", "13", "198")},
    {199, QT_TRANSLATE_NOOP3("ql310::TextTable", "14", "199")},
    {200, QT_TRANSLATE_NOOP3("ql310::TextTable", "15", "200")},
    {201, QT_TRANSLATE_NOOP3("ql310::TextTable", "16", "201")},
    {202, QT_TRANSLATE_NOOP3("ql310::TextTable", "17", "202")},
    {203, QT_TRANSLATE_NOOP3("ql310::TextTable", "18", "203")},
    {204, QT_TRANSLATE_NOOP3("ql310::TextTable", "19", "204")},
    {205, QT_TRANSLATE_NOOP3("ql310::TextTable", "20", "205")},
    {206, QT_TRANSLATE_NOOP3("ql310::TextTable", "21", "206")},
    {207, QT_TRANSLATE_NOOP3("ql310::TextTable", "22", "207")},
    {208, QT_TRANSLATE_NOOP3("ql310::TextTable", "23", "208")},
    {209, QT_TRANSLATE_NOOP3("ql310::TextTable", "24", "209")},
    {210, QT_TRANSLATE_NOOP3("ql310::TextTable", "International", "210")},
    {211, QT_TRANSLATE_NOOP3("ql310::TextTable", "Taiwan", "211")},
    {212, QT_TRANSLATE_NOOP3("ql310::TextTable", "Germany", "212")},
    {213, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sweden", "213")},
    {214, QT_TRANSLATE_NOOP3("ql310::TextTable", "France", "214")},
    {215, QT_TRANSLATE_NOOP3("ql310::TextTable", "Switzerland", "215")},
    {216, QT_TRANSLATE_NOOP3("ql310::TextTable", "Holland", "216")},
    {217, QT_TRANSLATE_NOOP3("ql310::TextTable", "Finland", "217")},
    {218, QT_TRANSLATE_NOOP3("ql310::TextTable", "Denmark", "218")},
    {219, QT_TRANSLATE_NOOP3("ql310::TextTable", "United Kingdom", "219")},
    {220, QT_TRANSLATE_NOOP3("ql310::TextTable", "Australia", "220")},
    {221, QT_TRANSLATE_NOOP3("ql310::TextTable", "Norway", "221")},
    {222, QT_TRANSLATE_NOOP3("ql310::TextTable", "Italy", "222")},
    {223, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "223")},
    {224, QT_TRANSLATE_NOOP3("ql310::TextTable", "China", "224")},
    {225, QT_TRANSLATE_NOOP3("ql310::TextTable", "Singapore", "225")},
    {226, QT_TRANSLATE_NOOP3("ql310::TextTable", "Malaysia", "226")},
    {227, QT_TRANSLATE_NOOP3("ql310::TextTable", "Spain", "227")},
    {228, QT_TRANSLATE_NOOP3("ql310::TextTable", "Portugal", "228")},
    {229, QT_TRANSLATE_NOOP3("ql310::TextTable", "Isreal", "229")},
    {230, QT_TRANSLATE_NOOP3("ql310::TextTable", "Poland", "230")},
    {231, QT_TRANSLATE_NOOP3("ql310::TextTable", "Czech", "231")},
    {232, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hungary", "232")},
    {233, QT_TRANSLATE_NOOP3("ql310::TextTable", "Slovenia", "233")},
    {234, QT_TRANSLATE_NOOP3("ql310::TextTable", "Estonia", "234")},
    {235, QT_TRANSLATE_NOOP3("ql310::TextTable", "Slovakia", "235")},
    {236, QT_TRANSLATE_NOOP3("ql310::TextTable", "NewZealand", "236")},
    {237, QT_TRANSLATE_NOOP3("ql310::TextTable", "Korea", "237")},
    {238, QT_TRANSLATE_NOOP3("ql310::TextTable", "Japan", "238")},
    {239, QT_TRANSLATE_NOOP3("ql310::TextTable", "Philippine", "239")},
    {240, QT_TRANSLATE_NOOP3("ql310::TextTable", "Thiland", "240")},
    {241, QT_TRANSLATE_NOOP3("ql310::TextTable", "Turkey", "241")},
    {242, QT_TRANSLATE_NOOP3("ql310::TextTable", "Greece", "242")},
    {243, QT_TRANSLATE_NOOP3("ql310::TextTable", "Argentina", "243")},
    {244, QT_TRANSLATE_NOOP3("ql310::TextTable", "Austria", "244")},
    {245, QT_TRANSLATE_NOOP3("ql310::TextTable", "Bangladesh", "245")},
    {246, QT_TRANSLATE_NOOP3("ql310::TextTable", "Belgium", "246")},
    {247, QT_TRANSLATE_NOOP3("ql310::TextTable", "Brasil", "247")},
    {248, QT_TRANSLATE_NOOP3("ql310::TextTable", "Bulgaria", "248")},
    {249, QT_TRANSLATE_NOOP3("ql310::TextTable", "Canada", "249")},
    {250, QT_TRANSLATE_NOOP3("ql310::TextTable", "Chile", "250")},
    {251, QT_TRANSLATE_NOOP3("ql310::TextTable", "Colombia", "251")},
    {252, QT_TRANSLATE_NOOP3("ql310::TextTable", "Egypt", "252")},
    {253, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hongkong", "253")},
    {254, QT_TRANSLATE_NOOP3("ql310::TextTable", "India", "254")},
    {255, QT_TRANSLATE_NOOP3("ql310::TextTable", "Indonesia", "255")},
    {256, QT_TRANSLATE_NOOP3("ql310::TextTable", "Iran", "256")},
    {257, QT_TRANSLATE_NOOP3("ql310::TextTable", "Iraq", "257")},
    {258, QT_TRANSLATE_NOOP3("ql310::TextTable", "Ireland", "258")},
    {259, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mexico", "259")},
    {260, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peru", "260")},
    {261, QT_TRANSLATE_NOOP3("ql310::TextTable", "Portugal", "261")},
    {262, QT_TRANSLATE_NOOP3("ql310::TextTable", "Romania", "262")},
    {263, QT_TRANSLATE_NOOP3("ql310::TextTable", "Russia", "263")},
    {264, QT_TRANSLATE_NOOP3("ql310::TextTable", "Saudi Arabia", "264")},
    {265, QT_TRANSLATE_NOOP3("ql310::TextTable", "South Africa", "265")},
    {266, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "266")},
    {267, QT_TRANSLATE_NOOP3("ql310::TextTable", "Ukraine", "267")},
    {268, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sri Lanka", "268")},
    {269, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "269")},
    {270, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "270")},
    {271, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "271")},
    {272, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "272")},
    {273, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "273")},
    {274, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "274")},
    {275, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "275")},
    {276, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "276")},
    {277, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "277")},
    {278, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "278")},
    {279, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "279")},
    {280, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "280")},
    {281, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "281")},
    {282, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "282")},
    {283, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call Forwarding", "283")},
    {284, QT_TRANSLATE_NOOP3("ql310::TextTable", "00", "284")},
    {285, QT_TRANSLATE_NOOP3("ql310::TextTable", "01", "285")},
    {286, QT_TRANSLATE_NOOP3("ql310::TextTable", "02", "286")},
    {287, QT_TRANSLATE_NOOP3("ql310::TextTable", "03", "287")},
    {288, QT_TRANSLATE_NOOP3("ql310::TextTable", "04", "288")},
    {289, QT_TRANSLATE_NOOP3("ql310::TextTable", "05", "289")},
    {290, QT_TRANSLATE_NOOP3("ql310::TextTable", "06", "290")},
    {291, QT_TRANSLATE_NOOP3("ql310::TextTable", "07", "291")},
    {292, QT_TRANSLATE_NOOP3("ql310::TextTable", "08", "292")},
    {293, QT_TRANSLATE_NOOP3("ql310::TextTable", "09", "293")},
    {294, QT_TRANSLATE_NOOP3("ql310::TextTable", "10", "294")},
    {295, QT_TRANSLATE_NOOP3("ql310::TextTable", "11", "295")},
    {296, QT_TRANSLATE_NOOP3("ql310::TextTable", "12", "296")},
    {297, QT_TRANSLATE_NOOP3("ql310::TextTable", "13", "297")},
    {298, QT_TRANSLATE_NOOP3("ql310::TextTable", "14", "298")},
    {299, QT_TRANSLATE_NOOP3("ql310::TextTable", "15", "299")},
    {300, QT_TRANSLATE_NOOP3("ql310::TextTable", "16", "300")},
    {301, QT_TRANSLATE_NOOP3("ql310::TextTable", "17", "301")},
    {302, QT_TRANSLATE_NOOP3("ql310::TextTable", "18", "302")},
    {303, QT_TRANSLATE_NOOP3("ql310::TextTable", "19", "303")},
    {304, QT_TRANSLATE_NOOP3("ql310::TextTable", "20", "304")},
    {305, QT_TRANSLATE_NOOP3("ql310::TextTable", "21", "305")},
    {306, QT_TRANSLATE_NOOP3("ql310::TextTable", "22", "306")},
    {307, QT_TRANSLATE_NOOP3("ql310::TextTable", "23", "307")},
    {308, QT_TRANSLATE_NOOP3("ql310::TextTable", "24", "308")},
    {309, QT_TRANSLATE_NOOP3("ql310::TextTable", "25", "309")},
    {310, QT_TRANSLATE_NOOP3("ql310::TextTable", "26", "310")},
    {311, QT_TRANSLATE_NOOP3("ql310::TextTable", "27", "311")},
    {312, QT_TRANSLATE_NOOP3("ql310::TextTable", "28", "312")},
    {313, QT_TRANSLATE_NOOP3("ql310::TextTable", "29", "313")},
    {314, QT_TRANSLATE_NOOP3("ql310::TextTable", "30", "314")},
    {315, QT_TRANSLATE_NOOP3("ql310::TextTable", "31", "315")},
    {316, QT_TRANSLATE_NOOP3("ql310::TextTable", "32", "316")},
    {317, QT_TRANSLATE_NOOP3("ql310::TextTable", "33", "317")},
    {318, QT_TRANSLATE_NOOP3("ql310::TextTable", "34", "318")},
    {319, QT_TRANSLATE_NOOP3("ql310::TextTable", "35", "319")},
    {320, QT_TRANSLATE_NOOP3("ql310::TextTable", "36", "320")},
    {321, QT_TRANSLATE_NOOP3("ql310::TextTable", "37", "321")},
    {322, QT_TRANSLATE_NOOP3("ql310::TextTable", "38", "322")},
    {323, QT_TRANSLATE_NOOP3("ql310::TextTable", "39", "323")},
    {324, QT_TRANSLATE_NOOP3("ql310::TextTable", "40", "324")},
    {325, QT_TRANSLATE_NOOP3("ql310::TextTable", "41", "325")},
    {326, QT_TRANSLATE_NOOP3("ql310::TextTable", "42", "326")},
    {327, QT_TRANSLATE_NOOP3("ql310::TextTable", "43", "327")},
    {328, QT_TRANSLATE_NOOP3("ql310::TextTable", "44", "328")},
    {329, QT_TRANSLATE_NOOP3("ql310::TextTable", "45", "329")},
    {330, QT_TRANSLATE_NOOP3("ql310::TextTable", "46", "330")},
    {331, QT_TRANSLATE_NOOP3("ql310::TextTable", "47", "331")},
    {332, QT_TRANSLATE_NOOP3("ql310::TextTable", "48", "332")},
    {333, QT_TRANSLATE_NOOP3("ql310::TextTable", "49", "333")},
    {334, QT_TRANSLATE_NOOP3("ql310::TextTable", "50", "334")},
    {335, QT_TRANSLATE_NOOP3("ql310::TextTable", "51", "335")},
    {336, QT_TRANSLATE_NOOP3("ql310::TextTable", "52", "336")},
    {337, QT_TRANSLATE_NOOP3("ql310::TextTable", "53", "337")},
    {338, QT_TRANSLATE_NOOP3("ql310::TextTable", "54", "338")},
    {339, QT_TRANSLATE_NOOP3("ql310::TextTable", "55", "339")},
    {340, QT_TRANSLATE_NOOP3("ql310::TextTable", "56", "340")},
    {341, QT_TRANSLATE_NOOP3("ql310::TextTable", "57", "341")},
    {342, QT_TRANSLATE_NOOP3("ql310::TextTable", "58", "342")},
    {343, QT_TRANSLATE_NOOP3("ql310::TextTable", "59", "343")},
    {344, QT_TRANSLATE_NOOP3("ql310::TextTable", "60", "344")},
    {345, QT_TRANSLATE_NOOP3("ql310::TextTable", "The phone number such as local code and country code", "345")},
    {346, QT_TRANSLATE_NOOP3("ql310::TextTable", "Allows the prefix to be replaced or added", "346")},
    {347, QT_TRANSLATE_NOOP3("ql310::TextTable", "The phone code allows you to benefits the better tariff", "347")},
    {348, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call to remote party without dialing \"0\" if checked", "348")},
    {349, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call to remote party with dialing \"0\"", "349")},
    {350, QT_TRANSLATE_NOOP3("ql310::TextTable", "Receive and send a second call", "350")},
    {351, QT_TRANSLATE_NOOP3("ql310::TextTable", "Take an on-going incoming call from another extension", "351")},
    {352, QT_TRANSLATE_NOOP3("ql310::TextTable", "No waiting music while call in on hold", "352")},
    {353, QT_TRANSLATE_NOOP3("ql310::TextTable", "Please refer to the \"Caller ID Option\" at user manual or on-line help", "353")},
    {354, QT_TRANSLATE_NOOP3("ql310::TextTable", "Please refer to the \"Distinctive Ringing\" at user manual or on-line help", "354")},
    {355, QT_TRANSLATE_NOOP3("ql310::TextTable", "Can appear at remote site", "355")},
    {356, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number for calling remote party", "356")},
    {357, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number for calling remote party", "357")},
    {358, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number of local extension or remote party", "358")},
    {359, QT_TRANSLATE_NOOP3("ql310::TextTable", "Save Phone &Book", "359")},
    {360, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mon-Sun", "360")},
    {361, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes", "361")},
    {362, QT_TRANSLATE_NOOP3("ql310::TextTable", "No", "362")},
    {363, QT_TRANSLATE_NOOP3("ql310::TextTable", "Table (1->20)", "363")},
    {364, QT_TRANSLATE_NOOP3("ql310::TextTable", "All", "364")},
    {365, QT_TRANSLATE_NOOP3("ql310::TextTable", "Start", "365")},
    {366, QT_TRANSLATE_NOOP3("ql310::TextTable", "End", "366")},
    {367, QT_TRANSLATE_NOOP3("ql310::TextTable", "add/replace", "367")},
    {368, QT_TRANSLATE_NOOP3("ql310::TextTable", "Number", "368")},
    {369, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hour", "369")},
    {370, QT_TRANSLATE_NOOP3("ql310::TextTable", "Period", "370")},
    {371, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes/No", "371")},
    {372, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call Logging", "372")},
    {373, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port1", "373")},
    {374, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port2", "374")},
    {375, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port3", "375")},
    {376, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port4", "376")},
    {377, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data(B1)", "377")},
    {378, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data(B2)", "378")},
    {379, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port", "379")},
    {380, QT_TRANSLATE_NOOP3("ql310::TextTable", "Phone Number", "380")},
    {381, QT_TRANSLATE_NOOP3("ql310::TextTable", "Start Time", "381")},
    {382, QT_TRANSLATE_NOOP3("ql310::TextTable", "End Time", "382")},
    {383, QT_TRANSLATE_NOOP3("ql310::TextTable", "Duration", "383")},
    {384, QT_TRANSLATE_NOOP3("ql310::TextTable", " IN", "384")},
    {385, QT_TRANSLATE_NOOP3("ql310::TextTable", "OUT", "385")},
    {386, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call &Logging", "386")},
    {387, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Clear", "387")},
    {388, QT_TRANSLATE_NOOP3("ql310::TextTable", "All", "388")},
    {389, QT_TRANSLATE_NOOP3("ql310::TextTable", "Range", "389")},
    {390, QT_TRANSLATE_NOOP3("ql310::TextTable", "  Month  / Day  /  Year      -->   Month  /  Day   / Year", "390")},
    {391, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes", "391")},
    {392, QT_TRANSLATE_NOOP3("ql310::TextTable", "Canel", "392")},
    {393, QT_TRANSLATE_NOOP3("ql310::TextTable", "Clear Call Logging", "393")},
    {394, QT_TRANSLATE_NOOP3("ql310::TextTable", "This time you got", "394")},
    {395, QT_TRANSLATE_NOOP3("ql310::TextTable", "records in Call Logging.", "395")},
    {396, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Read", "396")},
    {397, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Sort", "397")},
    {398, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Ascending", "398")},
    {399, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Descending", "399")},
    {400, QT_TRANSLATE_NOOP3("ql310::TextTable", "Tran(B1)", "400")},
    {401, QT_TRANSLATE_NOOP3("ql310::TextTable", "Tran(B2)", "401")},
    {402, QT_TRANSLATE_NOOP3("ql310::TextTable", "Writing", "402")},
    {403, QT_TRANSLATE_NOOP3("ql310::TextTable", "Writing to ISDN TA now?", "403")},
    {404, QT_TRANSLATE_NOOP3("ql310::TextTable", "Waring! ISDN TA is not connected.", "404")},
    {405, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Upgrade Firmware", "405")},
    {406, QT_TRANSLATE_NOOP3("ql310::TextTable", "In/Out", "406")},
    {407, QT_TRANSLATE_NOOP3("ql310::TextTable", "BOD", "407")},
    {408, QT_TRANSLATE_NOOP3("ql310::TextTable", "1.Minimum 2nd B channel connection :", "408")},
    {409, QT_TRANSLATE_NOOP3("ql310::TextTable", "2.Delay for 2nd B channel reconnect :", "409")},
    {410, QT_TRANSLATE_NOOP3("ql310::TextTable", "3.Open 2nd B channel above :", "410")},
    {411, QT_TRANSLATE_NOOP3("ql310::TextTable", "4.Close 2nd B channel below :", "411")},
    {412, QT_TRANSLATE_NOOP3("ql310::TextTable", "CPS", "412")},
    {413, QT_TRANSLATE_NOOP3("ql310::TextTable", "The value of \"Item4\" must be less than the \"Item3\".", "413")},
    {414, QT_TRANSLATE_NOOP3("ql310::TextTable", "DDI Function", "414")},
    {415, QT_TRANSLATE_NOOP3("ql310::TextTable", "Disable", "415")},
    {416, QT_TRANSLATE_NOOP3("ql310::TextTable", "Point to Point", "416")},
    {417, QT_TRANSLATE_NOOP3("ql310::TextTable", "Point to MP", "417")},
    {418, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Print", "418")},
    {419, QT_TRANSLATE_NOOP3("ql310::TextTable", "Delete Entry", "419")},
    {420, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call forwarding of supplementary service:", "420")},
    {421, QT_TRANSLATE_NOOP3("ql310::TextTable", "Activate", "421")},
    {422, QT_TRANSLATE_NOOP3("ql310::TextTable", "Deactivate", "422")},
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
    // Without a translation installed (English, and ql310ctl) this is the
    // English text as the table holds it.
    const Entry& entry = kTable[id - kFirstTextId];
    return QCoreApplication::translate("ql310::TextTable", entry.text.source, entry.text.id);
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
