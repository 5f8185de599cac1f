#include "app/panel_layout.h"

namespace arkivo::app {

namespace {

constexpr Slot hid(int left) {
    return {left, false};
}
constexpr Slot at(int left) {
    return {left, true};
}

const QString kNote2 = QStringLiteral("Muistilappu21");
const QString kNote1 = QStringLiteral("Muistilappu11");
const QString kAlarm = QStringLiteral("Hertyskello1");
const QString kCalendar = QStringLiteral("ArkivoKalenteri1");
const QString kTape = QStringLiteral("ArkivoNauhalaskuri1");
const QString kEuro = QStringLiteral("Eurolaskuri1");
const QString kFuel = QStringLiteral("Polttoainelaskuri1");

std::array<Layout, 10> makeLayouts() {
    const std::array<int, 3> standard{129, 154, 178};
    const QStringList all{kTape, kFuel, kEuro, kCalendar, kNote2, kNote1, kAlarm};
    const QStringList calcs{kTape, kFuel, kEuro};
    return {{
        {1,
         "Oletus1",
         "Oletuskokoonpano",
         591,
         at(122),
         at(147),
         at(172),
         at(196),
         at(343),
         at(368),
         at(443),
         520,
         551,
         570,
         {},
         all,
         standard},
        {2,
         "Oletuslyhennettyn1",
         "ML1, ML2, H-klo, Pvm+klo, CD, Kalenteri",
         514,
         at(122),
         at(147),
         at(172),
         at(196),
         at(343),
         at(368),
         hid(443),
         443,
         474,
         493,
         {},
         {kCalendar, kNote2, kNote1, kAlarm},
         std::nullopt},
        {3,
         "ML1ML2klopvmklokallas1",
         "ML1, ML2, H-klo, Pvm+klo, Kalenteri, Laskimet",
         566,
         at(122),
         at(147),
         at(172),
         at(196),
         hid(343),
         at(343),
         at(418),
         495,
         526,
         545,
         {},
         all,
         standard},
        {4,
         "ml1klopvmklocdkallas1",
         "ML1, H-klo, Pvm+klo, CD, Kalenteri, Laskimet",
         566,
         at(122),
         hid(147),
         at(147),
         at(172),
         at(318),
         at(343),
         at(418),
         495,
         526,
         545,
         {kNote2},
         {kTape, kFuel, kEuro, kCalendar, kNote1, kAlarm},
         std::array<int, 3>{129, 154, 154}},
        {5,
         "klopvmklokallas1",
         "H-klo, Pvm+klo, Kalenteri, Laskimet",
         516,
         hid(122),
         hid(147),
         at(122),
         at(147),
         hid(318),
         at(293),
         at(368),
         445,
         476,
         495,
         {kNote2, kNote1},
         {kTape, kFuel, kEuro, kCalendar, kAlarm},
         std::array<int, 3>{129, 154, 129}},
        {6,
         "pvmklokallaseinimerkkej1",
         "Pvm+klo, Kalenteri, Laskimet",
         491,
         hid(122),
         hid(147),
         hid(172),
         at(122),
         hid(343),
         at(268),
         at(343),
         420,
         451,
         470,
         {kNote2, kNote1, kAlarm},
         {kTape, kFuel, kEuro, kCalendar},
         standard},
        {7,
         "pvmklocdkallas1",
         "Pvm+klo, CD, Kalenteri, Laskimet",
         516,
         hid(122),
         hid(147),
         hid(172),
         at(122),
         at(268),
         at(293),
         at(368),
         445,
         476,
         495,
         {kNote2, kNote1, kAlarm},
         {kTape, kFuel, kEuro, kCalendar},
         standard},
        {8,
         "pvmklokaleinimerkkej1",
         "Pvm+klo, CD, Kalenteri ",
         441,
         hid(122),
         hid(147),
         hid(172),
         at(122),
         at(271),
         at(296),
         hid(368),
         370,
         401,
         420,
         {kNote2, kNote1, kAlarm, kTape, kEuro, kFuel},
         {kCalendar},
         standard},
        {9,
         "pvmklocdlaseinimerkkej1",
         "Pvm+klo, CD, Laskimet",
         441,
         hid(122),
         hid(147),
         hid(172),
         at(122),
         at(271),
         hid(296),
         at(296),
         370,
         401,
         420,
         {kNote2, kNote1, kAlarm, kCalendar},
         calcs,
         standard},
        {10,
         "pvmklo2",
         "Pvm+klo, CD",
         367,
         hid(122),
         hid(147),
         hid(172),
         at(122),
         at(271),
         hid(296),
         hid(296),
         296,
         327,
         346,
         {kNote2, kNote1, kAlarm, kCalendar, kTape, kEuro, kFuel},
         {},
         standard},
    }};
}

const std::array<Layout, 10>& layouts() {
    static const std::array<Layout, 10> table = makeLayouts();
    return table;
}

} // namespace

const Layout& layout(int number) {
    if (number < 1 || number > 10)
        number = 1;
    return layouts()[number - 1];
}

const std::array<QString, 10>& layoutMarks() {
    static const std::array<QString, 10> marks = [] {
        std::array<QString, 10> m;
        for (int i = 0; i < 10; ++i)
            m[i] = QString::fromLatin1(layouts()[i].mark);
        return m;
    }();
    return marks;
}

int layoutFromMarks(const std::array<bool, 10>& checked) {
    for (int i = 0; i < 10; ++i)
        if (checked[i])
            return i + 1;
    return 1;
}

} // namespace arkivo::app
