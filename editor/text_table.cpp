// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_table.h"

#include <QCoreApplication>
#include <QDebug>

#include <array>

namespace ql310 {

namespace {

struct Entry {
    TextId id;
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
    {TextId::UsbIsdnTaConfiguration, QT_TRANSLATE_NOOP3("ql310::TextTable", "USB ISDN TA Configuration", "101")},
    {TextId::File, QT_TRANSLATE_NOOP3("ql310::TextTable", "&File", "102")},
    {TextId::Command, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Command", "103")},
    {TextId::Help, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Help", "104")},
    {TextId::Msn, QT_TRANSLATE_NOOP3("ql310::TextTable", "MSN", "105")},
    {TextId::PhoneAndDataFunction, QT_TRANSLATE_NOOP3("ql310::TextTable", "Phone && Data Function", "106")},
    {TextId::Forwarding, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forwarding", "107")},
    {TextId::Lcr, QT_TRANSLATE_NOOP3("ql310::TextTable", "LCR", "108")},
    {TextId::ShortDial, QT_TRANSLATE_NOOP3("ql310::TextTable", "Short Dial", "109")},
    {TextId::PhoneBook, QT_TRANSLATE_NOOP3("ql310::TextTable", "PhoneBook", "110")},
    {TextId::PortCaption1, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 1", "111")},
    {TextId::PortCaption2, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 2", "112")},
    {TextId::PortCaption3, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 3", "113")},
    {TextId::PortCaption4, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port 4", "114")},
    {TextId::Data, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data", "115")},
    {TextId::PortNumber, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port Number", "116")},
    {TextId::Name, QT_TRANSLATE_NOOP3("ql310::TextTable", "Name", "117")},
    {TextId::IncomingMsnAndRingType, QT_TRANSLATE_NOOP3("ql310::TextTable", "Incoming MSN && Ring type", "118")},
    {TextId::AcceptAll, QT_TRANSLATE_NOOP3("ql310::TextTable", "Accept All", "119")},
    {TextId::Type1, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 1", "120")},
    {TextId::Type2, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 2", "121")},
    {TextId::Type3, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 3", "122")},
    {TextId::Type4, QT_TRANSLATE_NOOP3("ql310::TextTable", "Type 4", "123")},
    {TextId::OutgoingPhoneNumber, QT_TRANSLATE_NOOP3("ql310::TextTable", "Outgoing Phone Number", "124")},
    {TextId::ALaw, QT_TRANSLATE_NOOP3("ql310::TextTable", "A-law", "125")},
    {TextId::ULaw, QT_TRANSLATE_NOOP3("ql310::TextTable", "u-law", "126")},
    {TextId::NeedMorningCall, QT_TRANSLATE_NOOP3("ql310::TextTable", "Need Morning Call", "127")},
    {TextId::DirectToOutsideLine, QT_TRANSLATE_NOOP3("ql310::TextTable", "Direct To Outside Line", "128")},
    {TextId::ShowIncomingCallerId, QT_TRANSLATE_NOOP3("ql310::TextTable", "Show Incoming Caller ID", "129")},
    {TextId::EnableOutgoingCallerId, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Outgoing Caller ID", "130")},
    {TextId::EnableCallWaiting, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Call Waiting", "131")},
    {TextId::EnableTakeOver, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enable Take Over", "132")},
    {TextId::StopMusicOnHold, QT_TRANSLATE_NOOP3("ql310::TextTable", "Stop Music On Hold", "133")},
    {TextId::CallerIdOption, QT_TRANSLATE_NOOP3("ql310::TextTable", "Caller ID Option", "134")},
    {TextId::DtmfAftFirstRing, QT_TRANSLATE_NOOP3("ql310::TextTable", "DTMF aft-first ring", "135")},
    {TextId::FskAftFirstRing, QT_TRANSLATE_NOOP3("ql310::TextTable", "FSK aft-first ring", "136")},
    {TextId::DtmfPreFirstRing, QT_TRANSLATE_NOOP3("ql310::TextTable", "DTMF pre-first ring", "137")},
    {TextId::FskPreFirstRing, QT_TRANSLATE_NOOP3("ql310::TextTable", "FSK pre-first ring", "138")},
    {TextId::NoForward, QT_TRANSLATE_NOOP3("ql310::TextTable", "No Forward", "139")},
    {TextId::Busy, QT_TRANSLATE_NOOP3("ql310::TextTable", "Busy", "140")},
    {TextId::NoAnswer, QT_TRANSLATE_NOOP3("ql310::TextTable", "No Answer", "141")},
    {TextId::Immediately, QT_TRANSLATE_NOOP3("ql310::TextTable", "Immediately", "142")},
    {TextId::ForwardTo, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forward To", "143")},
    {TextId::DelayBeforeForwardingOnNo, QT_TRANSLATE_NOOP3("ql310::TextTable", "Delay before forwarding on \"No Answer\"", "144")},
    {TextId::Sec, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sec", "145")},
    {TextId::ForwardAccordingToPhoneBook, QT_TRANSLATE_NOOP3("ql310::TextTable", "Forward According To Phone Book If No Answer", "146")},
    {TextId::PeerPhoneNumber, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peer Phone Number", "147")},
    {TextId::PeerName, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peer Name", "148")},
    {TextId::Active, QT_TRANSLATE_NOOP3("ql310::TextTable", "Active", "149")},
    {TextId::NoneText, QT_TRANSLATE_NOOP3("ql310::TextTable", "none", "150")},
    {TextId::DialRange, QT_TRANSLATE_NOOP3("ql310::TextTable", "Dial Range", "151")},
    {TextId::Prefix, QT_TRANSLATE_NOOP3("ql310::TextTable", "Prefix", "152")},
    {TextId::ActiveTimeRange, QT_TRANSLATE_NOOP3("ql310::TextTable", "Active Time Range", "153")},
    {TextId::Replace, QT_TRANSLATE_NOOP3("ql310::TextTable", "replace", "154")},
    {TextId::Add, QT_TRANSLATE_NOOP3("ql310::TextTable", "add", "155")},
    {TextId::MonFri, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mon-Fri", "156")},
    {TextId::SatSun, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sat-Sun", "157")},
    {TextId::Prefer1BChannelFirst, QT_TRANSLATE_NOOP3("ql310::TextTable", "Prefer 1 B channel first for MLPPP function when using NDISWAN driver", "158")},
    {TextId::LoadSetting, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Load Setting", "159")},
    {TextId::SaveSetting, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Save Setting", "160")},
    {TextId::LoadLcr, QT_TRANSLATE_NOOP3("ql310::TextTable", "L&oad LCR", "161")},
    {TextId::SaveLcr, QT_TRANSLATE_NOOP3("ql310::TextTable", "S&ave LCR", "162")},
    {TextId::LoadPhoneBook, QT_TRANSLATE_NOOP3("ql310::TextTable", "Load &Phone Book", "163")},
    {TextId::Exit, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Exit", "164")},
    {TextId::ReadFromIsdnTa, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Read from ISDN TA", "165")},
    {TextId::ResetToDefault, QT_TRANSLATE_NOOP3("ql310::TextTable", "Reset to &Default", "166")},
    {TextId::WriteToIsdnTa, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Write to ISDN TA", "167")},
    {TextId::OnLineMenu, QT_TRANSLATE_NOOP3("ql310::TextTable", "&On Line Menu", "168")},
    {TextId::AboutIsdnTa, QT_TRANSLATE_NOOP3("ql310::TextTable", "&About ISDN TA", "169")},
    {TextId::Firmware, QT_TRANSLATE_NOOP3("ql310::TextTable", "Firmware :", "170")},
    {TextId::OpenSuccess, QT_TRANSLATE_NOOP3("ql310::TextTable", "Open Success !", "171")},
    {TextId::OpenFailIsdnTaMay, QT_TRANSLATE_NOOP3("ql310::TextTable", "Open Fail ! ISDN TA may not active", "172")},
    {TextId::WriteToIsdnTaSuccess, QT_TRANSLATE_NOOP3("ql310::TextTable", "Write to ISDN TA Success !", "173")},
    {TextId::WriteToIsdnTaFail, QT_TRANSLATE_NOOP3("ql310::TextTable", "Write to ISDN TA Fail ! ISDN TA May not active or busy", "174")},
    {TextId::MorningCallTime, QT_TRANSLATE_NOOP3("ql310::TextTable", "Morning Call Time", "175")},
    {TextId::ExclusionTable, QT_TRANSLATE_NOOP3("ql310::TextTable", "Exclusion Table", "176")},
    {TextId::AboutIsdnTaConfiguration, QT_TRANSLATE_NOOP3("ql310::TextTable", "About ISDN TA Configuration", "177")},
    {TextId::IsdnTaConfigurationProgram, QT_TRANSLATE_NOOP3("ql310::TextTable", "ISDN TA Configuration Program", "178")},
    {TextId::CopyrightCTheQl310setAuthors, QT_TRANSLATE_NOOP3("ql310::TextTable", "Copyright (C) the ql310set authors. Licensed under GPL-3.0-or-later.", "179")},
    {TextId::Blank, QT_TRANSLATE_NOOP3("ql310::TextTable", "                 ", "180")},
    {TextId::Version, QT_TRANSLATE_NOOP3("ql310::TextTable", "Version", "181")},
    {TextId::Ok, QT_TRANSLATE_NOOP3("ql310::TextTable", "OK", "182")},
    {TextId::RangeBetween1x4xxxThe, QT_TRANSLATE_NOOP3("ql310::TextTable", "Range between 1x -->4xxx , the first digit must between be 1 to 4", "183")},
    {TextId::AlsoAppearsAtFskClid, QT_TRANSLATE_NOOP3("ql310::TextTable", "Also appears at FSK CLID box", "184")},
    {TextId::MultipleSubscriptionNumberAndRing, QT_TRANSLATE_NOOP3("ql310::TextTable", "Multiple Subscription Number && Ring Type Setting", "185")},
    {TextId::Hour01, QT_TRANSLATE_NOOP3("ql310::TextTable", "01", "186")},
    {TextId::Hour02, QT_TRANSLATE_NOOP3("ql310::TextTable", "02", "187")},
    {TextId::Hour03, QT_TRANSLATE_NOOP3("ql310::TextTable", "03", "188")},
    {TextId::Hour04, QT_TRANSLATE_NOOP3("ql310::TextTable", "04", "189")},
    {TextId::Hour05, QT_TRANSLATE_NOOP3("ql310::TextTable", "05", "190")},
    {TextId::Hour06, QT_TRANSLATE_NOOP3("ql310::TextTable", "06", "191")},
    {TextId::Hour07, QT_TRANSLATE_NOOP3("ql310::TextTable", "07", "192")},
    {TextId::Hour08, QT_TRANSLATE_NOOP3("ql310::TextTable", "08", "193")},
    {TextId::Hour09, QT_TRANSLATE_NOOP3("ql310::TextTable", "09", "194")},
    {TextId::Hour10, QT_TRANSLATE_NOOP3("ql310::TextTable", "10", "195")},
    {TextId::Hour11, QT_TRANSLATE_NOOP3("ql310::TextTable", "11", "196")},
    {TextId::Hour12, QT_TRANSLATE_NOOP3("ql310::TextTable", "12", "197")},
    {TextId::Hour13, QT_TRANSLATE_NOOP3("ql310::TextTable", "13", "198")},
    {TextId::Hour14, QT_TRANSLATE_NOOP3("ql310::TextTable", "14", "199")},
    {TextId::Hour15, QT_TRANSLATE_NOOP3("ql310::TextTable", "15", "200")},
    {TextId::Hour16, QT_TRANSLATE_NOOP3("ql310::TextTable", "16", "201")},
    {TextId::Hour17, QT_TRANSLATE_NOOP3("ql310::TextTable", "17", "202")},
    {TextId::Hour18, QT_TRANSLATE_NOOP3("ql310::TextTable", "18", "203")},
    {TextId::Hour19, QT_TRANSLATE_NOOP3("ql310::TextTable", "19", "204")},
    {TextId::Hour20, QT_TRANSLATE_NOOP3("ql310::TextTable", "20", "205")},
    {TextId::Hour21, QT_TRANSLATE_NOOP3("ql310::TextTable", "21", "206")},
    {TextId::Hour22, QT_TRANSLATE_NOOP3("ql310::TextTable", "22", "207")},
    {TextId::Hour23, QT_TRANSLATE_NOOP3("ql310::TextTable", "23", "208")},
    {TextId::Hour24, QT_TRANSLATE_NOOP3("ql310::TextTable", "24", "209")},
    {TextId::International, QT_TRANSLATE_NOOP3("ql310::TextTable", "International", "210")},
    {TextId::Taiwan, QT_TRANSLATE_NOOP3("ql310::TextTable", "Taiwan", "211")},
    {TextId::Germany, QT_TRANSLATE_NOOP3("ql310::TextTable", "Germany", "212")},
    {TextId::Sweden, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sweden", "213")},
    {TextId::France, QT_TRANSLATE_NOOP3("ql310::TextTable", "France", "214")},
    {TextId::Switzerland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Switzerland", "215")},
    {TextId::Holland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Holland", "216")},
    {TextId::Finland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Finland", "217")},
    {TextId::Denmark, QT_TRANSLATE_NOOP3("ql310::TextTable", "Denmark", "218")},
    {TextId::UnitedKingdom, QT_TRANSLATE_NOOP3("ql310::TextTable", "United Kingdom", "219")},
    {TextId::Australia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Australia", "220")},
    {TextId::Norway, QT_TRANSLATE_NOOP3("ql310::TextTable", "Norway", "221")},
    {TextId::Italy, QT_TRANSLATE_NOOP3("ql310::TextTable", "Italy", "222")},
    {TextId::Unused223, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "223")},
    {TextId::China, QT_TRANSLATE_NOOP3("ql310::TextTable", "China", "224")},
    {TextId::Singapore, QT_TRANSLATE_NOOP3("ql310::TextTable", "Singapore", "225")},
    {TextId::Malaysia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Malaysia", "226")},
    {TextId::Spain, QT_TRANSLATE_NOOP3("ql310::TextTable", "Spain", "227")},
    {TextId::Portugal_228, QT_TRANSLATE_NOOP3("ql310::TextTable", "Portugal", "228")},
    {TextId::Isreal, QT_TRANSLATE_NOOP3("ql310::TextTable", "Isreal", "229")},
    {TextId::Poland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Poland", "230")},
    {TextId::Czech, QT_TRANSLATE_NOOP3("ql310::TextTable", "Czech", "231")},
    {TextId::Hungary, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hungary", "232")},
    {TextId::Slovenia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Slovenia", "233")},
    {TextId::Estonia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Estonia", "234")},
    {TextId::Slovakia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Slovakia", "235")},
    {TextId::NewZealand, QT_TRANSLATE_NOOP3("ql310::TextTable", "NewZealand", "236")},
    {TextId::Korea, QT_TRANSLATE_NOOP3("ql310::TextTable", "Korea", "237")},
    {TextId::Japan, QT_TRANSLATE_NOOP3("ql310::TextTable", "Japan", "238")},
    {TextId::Philippine, QT_TRANSLATE_NOOP3("ql310::TextTable", "Philippine", "239")},
    {TextId::Thiland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Thiland", "240")},
    {TextId::Turkey, QT_TRANSLATE_NOOP3("ql310::TextTable", "Turkey", "241")},
    {TextId::Greece, QT_TRANSLATE_NOOP3("ql310::TextTable", "Greece", "242")},
    {TextId::Argentina, QT_TRANSLATE_NOOP3("ql310::TextTable", "Argentina", "243")},
    {TextId::Austria, QT_TRANSLATE_NOOP3("ql310::TextTable", "Austria", "244")},
    {TextId::Bangladesh, QT_TRANSLATE_NOOP3("ql310::TextTable", "Bangladesh", "245")},
    {TextId::Belgium, QT_TRANSLATE_NOOP3("ql310::TextTable", "Belgium", "246")},
    {TextId::Brasil, QT_TRANSLATE_NOOP3("ql310::TextTable", "Brasil", "247")},
    {TextId::Bulgaria, QT_TRANSLATE_NOOP3("ql310::TextTable", "Bulgaria", "248")},
    {TextId::Canada, QT_TRANSLATE_NOOP3("ql310::TextTable", "Canada", "249")},
    {TextId::Chile, QT_TRANSLATE_NOOP3("ql310::TextTable", "Chile", "250")},
    {TextId::Colombia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Colombia", "251")},
    {TextId::Egypt, QT_TRANSLATE_NOOP3("ql310::TextTable", "Egypt", "252")},
    {TextId::Hongkong, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hongkong", "253")},
    {TextId::India, QT_TRANSLATE_NOOP3("ql310::TextTable", "India", "254")},
    {TextId::Indonesia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Indonesia", "255")},
    {TextId::Iran, QT_TRANSLATE_NOOP3("ql310::TextTable", "Iran", "256")},
    {TextId::Iraq, QT_TRANSLATE_NOOP3("ql310::TextTable", "Iraq", "257")},
    {TextId::Ireland, QT_TRANSLATE_NOOP3("ql310::TextTable", "Ireland", "258")},
    {TextId::Mexico, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mexico", "259")},
    {TextId::Peru, QT_TRANSLATE_NOOP3("ql310::TextTable", "Peru", "260")},
    {TextId::Portugal_261, QT_TRANSLATE_NOOP3("ql310::TextTable", "Portugal", "261")},
    {TextId::Romania, QT_TRANSLATE_NOOP3("ql310::TextTable", "Romania", "262")},
    {TextId::Russia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Russia", "263")},
    {TextId::SaudiArabia, QT_TRANSLATE_NOOP3("ql310::TextTable", "Saudi Arabia", "264")},
    {TextId::SouthAfrica, QT_TRANSLATE_NOOP3("ql310::TextTable", "South Africa", "265")},
    {TextId::Unused266, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "266")},
    {TextId::Ukraine, QT_TRANSLATE_NOOP3("ql310::TextTable", "Ukraine", "267")},
    {TextId::SriLanka, QT_TRANSLATE_NOOP3("ql310::TextTable", "Sri Lanka", "268")},
    {TextId::Unused269, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "269")},
    {TextId::Unused270, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "270")},
    {TextId::Unused271, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "271")},
    {TextId::Unused272, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "272")},
    {TextId::Unused273, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "273")},
    {TextId::Unused274, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "274")},
    {TextId::Unused275, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "275")},
    {TextId::Unused276, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "276")},
    {TextId::Unused277, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "277")},
    {TextId::Unused278, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "278")},
    {TextId::Unused279, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "279")},
    {TextId::Unused280, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "280")},
    {TextId::Unused281, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "281")},
    {TextId::Unused282, QT_TRANSLATE_NOOP3("ql310::TextTable", "xxxxxx", "282")},
    {TextId::CallForwarding, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call Forwarding", "283")},
    {TextId::Count00, QT_TRANSLATE_NOOP3("ql310::TextTable", "00", "284")},
    {TextId::Count01, QT_TRANSLATE_NOOP3("ql310::TextTable", "01", "285")},
    {TextId::Count02, QT_TRANSLATE_NOOP3("ql310::TextTable", "02", "286")},
    {TextId::Count03, QT_TRANSLATE_NOOP3("ql310::TextTable", "03", "287")},
    {TextId::Count04, QT_TRANSLATE_NOOP3("ql310::TextTable", "04", "288")},
    {TextId::Count05, QT_TRANSLATE_NOOP3("ql310::TextTable", "05", "289")},
    {TextId::Count06, QT_TRANSLATE_NOOP3("ql310::TextTable", "06", "290")},
    {TextId::Count07, QT_TRANSLATE_NOOP3("ql310::TextTable", "07", "291")},
    {TextId::Count08, QT_TRANSLATE_NOOP3("ql310::TextTable", "08", "292")},
    {TextId::Count09, QT_TRANSLATE_NOOP3("ql310::TextTable", "09", "293")},
    {TextId::Count10, QT_TRANSLATE_NOOP3("ql310::TextTable", "10", "294")},
    {TextId::Count11, QT_TRANSLATE_NOOP3("ql310::TextTable", "11", "295")},
    {TextId::Count12, QT_TRANSLATE_NOOP3("ql310::TextTable", "12", "296")},
    {TextId::Count13, QT_TRANSLATE_NOOP3("ql310::TextTable", "13", "297")},
    {TextId::Count14, QT_TRANSLATE_NOOP3("ql310::TextTable", "14", "298")},
    {TextId::Count15, QT_TRANSLATE_NOOP3("ql310::TextTable", "15", "299")},
    {TextId::Count16, QT_TRANSLATE_NOOP3("ql310::TextTable", "16", "300")},
    {TextId::Count17, QT_TRANSLATE_NOOP3("ql310::TextTable", "17", "301")},
    {TextId::Count18, QT_TRANSLATE_NOOP3("ql310::TextTable", "18", "302")},
    {TextId::Count19, QT_TRANSLATE_NOOP3("ql310::TextTable", "19", "303")},
    {TextId::Count20, QT_TRANSLATE_NOOP3("ql310::TextTable", "20", "304")},
    {TextId::Count21, QT_TRANSLATE_NOOP3("ql310::TextTable", "21", "305")},
    {TextId::Count22, QT_TRANSLATE_NOOP3("ql310::TextTable", "22", "306")},
    {TextId::Count23, QT_TRANSLATE_NOOP3("ql310::TextTable", "23", "307")},
    {TextId::Count24, QT_TRANSLATE_NOOP3("ql310::TextTable", "24", "308")},
    {TextId::Count25, QT_TRANSLATE_NOOP3("ql310::TextTable", "25", "309")},
    {TextId::Count26, QT_TRANSLATE_NOOP3("ql310::TextTable", "26", "310")},
    {TextId::Count27, QT_TRANSLATE_NOOP3("ql310::TextTable", "27", "311")},
    {TextId::Count28, QT_TRANSLATE_NOOP3("ql310::TextTable", "28", "312")},
    {TextId::Count29, QT_TRANSLATE_NOOP3("ql310::TextTable", "29", "313")},
    {TextId::Count30, QT_TRANSLATE_NOOP3("ql310::TextTable", "30", "314")},
    {TextId::Count31, QT_TRANSLATE_NOOP3("ql310::TextTable", "31", "315")},
    {TextId::Count32, QT_TRANSLATE_NOOP3("ql310::TextTable", "32", "316")},
    {TextId::Count33, QT_TRANSLATE_NOOP3("ql310::TextTable", "33", "317")},
    {TextId::Count34, QT_TRANSLATE_NOOP3("ql310::TextTable", "34", "318")},
    {TextId::Count35, QT_TRANSLATE_NOOP3("ql310::TextTable", "35", "319")},
    {TextId::Count36, QT_TRANSLATE_NOOP3("ql310::TextTable", "36", "320")},
    {TextId::Count37, QT_TRANSLATE_NOOP3("ql310::TextTable", "37", "321")},
    {TextId::Count38, QT_TRANSLATE_NOOP3("ql310::TextTable", "38", "322")},
    {TextId::Count39, QT_TRANSLATE_NOOP3("ql310::TextTable", "39", "323")},
    {TextId::Count40, QT_TRANSLATE_NOOP3("ql310::TextTable", "40", "324")},
    {TextId::Count41, QT_TRANSLATE_NOOP3("ql310::TextTable", "41", "325")},
    {TextId::Count42, QT_TRANSLATE_NOOP3("ql310::TextTable", "42", "326")},
    {TextId::Count43, QT_TRANSLATE_NOOP3("ql310::TextTable", "43", "327")},
    {TextId::Count44, QT_TRANSLATE_NOOP3("ql310::TextTable", "44", "328")},
    {TextId::Count45, QT_TRANSLATE_NOOP3("ql310::TextTable", "45", "329")},
    {TextId::Count46, QT_TRANSLATE_NOOP3("ql310::TextTable", "46", "330")},
    {TextId::Count47, QT_TRANSLATE_NOOP3("ql310::TextTable", "47", "331")},
    {TextId::Count48, QT_TRANSLATE_NOOP3("ql310::TextTable", "48", "332")},
    {TextId::Count49, QT_TRANSLATE_NOOP3("ql310::TextTable", "49", "333")},
    {TextId::Count50, QT_TRANSLATE_NOOP3("ql310::TextTable", "50", "334")},
    {TextId::Count51, QT_TRANSLATE_NOOP3("ql310::TextTable", "51", "335")},
    {TextId::Count52, QT_TRANSLATE_NOOP3("ql310::TextTable", "52", "336")},
    {TextId::Count53, QT_TRANSLATE_NOOP3("ql310::TextTable", "53", "337")},
    {TextId::Count54, QT_TRANSLATE_NOOP3("ql310::TextTable", "54", "338")},
    {TextId::Count55, QT_TRANSLATE_NOOP3("ql310::TextTable", "55", "339")},
    {TextId::Count56, QT_TRANSLATE_NOOP3("ql310::TextTable", "56", "340")},
    {TextId::Count57, QT_TRANSLATE_NOOP3("ql310::TextTable", "57", "341")},
    {TextId::Count58, QT_TRANSLATE_NOOP3("ql310::TextTable", "58", "342")},
    {TextId::Count59, QT_TRANSLATE_NOOP3("ql310::TextTable", "59", "343")},
    {TextId::Count60, QT_TRANSLATE_NOOP3("ql310::TextTable", "60", "344")},
    {TextId::ThePhoneNumberSuchAs, QT_TRANSLATE_NOOP3("ql310::TextTable", "The phone number such as local code and country code", "345")},
    {TextId::AllowsThePrefixToBe, QT_TRANSLATE_NOOP3("ql310::TextTable", "Allows the prefix to be replaced or added", "346")},
    {TextId::ThePhoneCodeAllowsYou, QT_TRANSLATE_NOOP3("ql310::TextTable", "The phone code allows you to benefits the better tariff", "347")},
    {TextId::CallToRemotePartyWithout, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call to remote party without dialing \"0\" if checked", "348")},
    {TextId::CallToRemotePartyWith, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call to remote party with dialing \"0\"", "349")},
    {TextId::ReceiveAndSendASecond, QT_TRANSLATE_NOOP3("ql310::TextTable", "Receive and send a second call", "350")},
    {TextId::TakeAnOnGoingIncoming, QT_TRANSLATE_NOOP3("ql310::TextTable", "Take an on-going incoming call from another extension", "351")},
    {TextId::NoWaitingMusicWhileCall, QT_TRANSLATE_NOOP3("ql310::TextTable", "No waiting music while call in on hold", "352")},
    {TextId::PleaseReferToTheCaller, QT_TRANSLATE_NOOP3("ql310::TextTable", "Please refer to the \"Caller ID Option\" at user manual or on-line help", "353")},
    {TextId::PleaseReferToTheDistinctive, QT_TRANSLATE_NOOP3("ql310::TextTable", "Please refer to the \"Distinctive Ringing\" at user manual or on-line help", "354")},
    {TextId::CanAppearAtRemoteSite, QT_TRANSLATE_NOOP3("ql310::TextTable", "Can appear at remote site", "355")},
    {TextId::EnterPhoneNumberForCalling_356, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number for calling remote party", "356")},
    {TextId::EnterPhoneNumberForCalling_357, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number for calling remote party", "357")},
    {TextId::EnterPhoneNumberOfLocal, QT_TRANSLATE_NOOP3("ql310::TextTable", "Enter phone number of local extension or remote party", "358")},
    {TextId::SavePhoneBook, QT_TRANSLATE_NOOP3("ql310::TextTable", "Save Phone &Book", "359")},
    {TextId::MonSun, QT_TRANSLATE_NOOP3("ql310::TextTable", "Mon-Sun", "360")},
    {TextId::Yes_361, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes", "361")},
    {TextId::No, QT_TRANSLATE_NOOP3("ql310::TextTable", "No", "362")},
    {TextId::Table120, QT_TRANSLATE_NOOP3("ql310::TextTable", "Table (1->20)", "363")},
    {TextId::All_364, QT_TRANSLATE_NOOP3("ql310::TextTable", "All", "364")},
    {TextId::Start, QT_TRANSLATE_NOOP3("ql310::TextTable", "Start", "365")},
    {TextId::End, QT_TRANSLATE_NOOP3("ql310::TextTable", "End", "366")},
    {TextId::AddReplace, QT_TRANSLATE_NOOP3("ql310::TextTable", "add/replace", "367")},
    {TextId::Number, QT_TRANSLATE_NOOP3("ql310::TextTable", "Number", "368")},
    {TextId::Hour, QT_TRANSLATE_NOOP3("ql310::TextTable", "Hour", "369")},
    {TextId::Period, QT_TRANSLATE_NOOP3("ql310::TextTable", "Period", "370")},
    {TextId::YesNo, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes/No", "371")},
    {TextId::CallLogging_372, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call Logging", "372")},
    {TextId::ChannelPort1, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port1", "373")},
    {TextId::ChannelPort2, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port2", "374")},
    {TextId::ChannelPort3, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port3", "375")},
    {TextId::ChannelPort4, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port4", "376")},
    {TextId::DataB1, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data(B1)", "377")},
    {TextId::DataB2, QT_TRANSLATE_NOOP3("ql310::TextTable", "Data(B2)", "378")},
    {TextId::Port, QT_TRANSLATE_NOOP3("ql310::TextTable", "Port", "379")},
    {TextId::PhoneNumber, QT_TRANSLATE_NOOP3("ql310::TextTable", "Phone Number", "380")},
    {TextId::StartTime, QT_TRANSLATE_NOOP3("ql310::TextTable", "Start Time", "381")},
    {TextId::EndTime, QT_TRANSLATE_NOOP3("ql310::TextTable", "End Time", "382")},
    {TextId::Duration, QT_TRANSLATE_NOOP3("ql310::TextTable", "Duration", "383")},
    {TextId::In, QT_TRANSLATE_NOOP3("ql310::TextTable", " IN", "384")},
    {TextId::Out, QT_TRANSLATE_NOOP3("ql310::TextTable", "OUT", "385")},
    {TextId::CallLogging_386, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call &Logging", "386")},
    {TextId::Clear, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Clear", "387")},
    {TextId::All_388, QT_TRANSLATE_NOOP3("ql310::TextTable", "All", "388")},
    {TextId::Range, QT_TRANSLATE_NOOP3("ql310::TextTable", "Range", "389")},
    {TextId::MonthDayYearMonthDay, QT_TRANSLATE_NOOP3("ql310::TextTable", "  Month  / Day  /  Year      -->   Month  /  Day   / Year", "390")},
    {TextId::Yes_391, QT_TRANSLATE_NOOP3("ql310::TextTable", "Yes", "391")},
    {TextId::Canel, QT_TRANSLATE_NOOP3("ql310::TextTable", "Canel", "392")},
    {TextId::ClearCallLogging, QT_TRANSLATE_NOOP3("ql310::TextTable", "Clear Call Logging", "393")},
    {TextId::ThisTimeYouGot, QT_TRANSLATE_NOOP3("ql310::TextTable", "This time you got", "394")},
    {TextId::RecordsInCallLogging, QT_TRANSLATE_NOOP3("ql310::TextTable", "records in Call Logging.", "395")},
    {TextId::Read, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Read", "396")},
    {TextId::Sort, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Sort", "397")},
    {TextId::Ascending, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Ascending", "398")},
    {TextId::Descending, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Descending", "399")},
    {TextId::TranB1, QT_TRANSLATE_NOOP3("ql310::TextTable", "Tran(B1)", "400")},
    {TextId::TranB2, QT_TRANSLATE_NOOP3("ql310::TextTable", "Tran(B2)", "401")},
    {TextId::Writing, QT_TRANSLATE_NOOP3("ql310::TextTable", "Writing", "402")},
    {TextId::WritingToIsdnTaNow, QT_TRANSLATE_NOOP3("ql310::TextTable", "Writing to ISDN TA now?", "403")},
    {TextId::WaringIsdnTaIsNot, QT_TRANSLATE_NOOP3("ql310::TextTable", "Waring! ISDN TA is not connected.", "404")},
    {TextId::UpgradeFirmware, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Upgrade Firmware", "405")},
    {TextId::InOut, QT_TRANSLATE_NOOP3("ql310::TextTable", "In/Out", "406")},
    {TextId::Bod, QT_TRANSLATE_NOOP3("ql310::TextTable", "BOD", "407")},
    {TextId::T1Minimum2ndBChannel, QT_TRANSLATE_NOOP3("ql310::TextTable", "1.Minimum 2nd B channel connection :", "408")},
    {TextId::T2DelayFor2ndB, QT_TRANSLATE_NOOP3("ql310::TextTable", "2.Delay for 2nd B channel reconnect :", "409")},
    {TextId::T3Open2ndBChannel, QT_TRANSLATE_NOOP3("ql310::TextTable", "3.Open 2nd B channel above :", "410")},
    {TextId::T4Close2ndBChannel, QT_TRANSLATE_NOOP3("ql310::TextTable", "4.Close 2nd B channel below :", "411")},
    {TextId::Cps, QT_TRANSLATE_NOOP3("ql310::TextTable", "CPS", "412")},
    {TextId::TheValueOfItem4Must, QT_TRANSLATE_NOOP3("ql310::TextTable", "The value of \"Item4\" must be less than the \"Item3\".", "413")},
    {TextId::DdiFunction, QT_TRANSLATE_NOOP3("ql310::TextTable", "DDI Function", "414")},
    {TextId::Disable, QT_TRANSLATE_NOOP3("ql310::TextTable", "Disable", "415")},
    {TextId::PointToPoint, QT_TRANSLATE_NOOP3("ql310::TextTable", "Point to Point", "416")},
    {TextId::PointToMp, QT_TRANSLATE_NOOP3("ql310::TextTable", "Point to MP", "417")},
    {TextId::Print, QT_TRANSLATE_NOOP3("ql310::TextTable", "&Print", "418")},
    {TextId::DeleteEntry, QT_TRANSLATE_NOOP3("ql310::TextTable", "Delete Entry", "419")},
    {TextId::CallForwardingOfSupplementaryService, QT_TRANSLATE_NOOP3("ql310::TextTable", "Call forwarding of supplementary service:", "420")},
    {TextId::Activate, QT_TRANSLATE_NOOP3("ql310::TextTable", "Activate", "421")},
    {TextId::Deactivate, QT_TRANSLATE_NOOP3("ql310::TextTable", "Deactivate", "422")},
};

static_assert(std::size(kTable) == textNumber(kLastTextId) - textNumber(kFirstTextId) + 1);

constexpr bool idsRunWithoutGaps()
{
    for (size_t i = 0; i < std::size(kTable); ++i)
        if (kTable[i].id != textAfter(kFirstTextId, static_cast<int>(i)))
            return false;
    return true;
}
static_assert(idsRunWithoutGaps());

} // namespace

QString text(const image::Shown& shown)
{
    if (shown.textId != TextId::NoText)
        return text(shown.textId);
    return QString::fromStdString(shown.literal);
}

QString text(TextId id)
{
    if (id < kFirstTextId || id > kLastTextId) {
        qWarning("ql310set: no text with id %d", textNumber(id));
        return {};
    }
    // Without a translation installed (English, and ql310ctl) this is the
    // English text as the table holds it.
    const Entry& entry = kTable[textNumber(id) - textNumber(kFirstTextId)];
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
