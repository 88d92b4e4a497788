// Tables of cases shared by the tests of the pure computations and of the pages, so that both
// layers are held to the same figures. Numbers are written with the comma (Russian settings).
#pragma once

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

// Painting: length, width, coats (0 one, 1 two), texts (area, then the six quantities).
inline void addPaintingCases()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("coats");
    QTest::addColumn<QStringList>("texts"); // area, then the six quantities
    QTest::newRow("4x5 one coat") << u"4"_s << u"5"_s << 0
                                  << QStringList { u"20"_s, u"0,56"_s, u"0,112"_s, u"3,74"_s,
                                         u"0,54"_s, u"3,2"_s, u"0,02"_s };
    QTest::newRow("4x5 two coats") << u"4"_s << u"5"_s << 1
                                   << QStringList { u"20"_s, u"0,58"_s, u"0,116"_s, u"5,02"_s,
                                          u"1,16"_s, u"3,86"_s, u"0,02"_s };
    QTest::newRow("2,5x1,2 one coat") << u"2,5"_s << u"1,2"_s << 0
                                      << QStringList { u"3"_s, u"0,084"_s, u"0,0168"_s, u"0,561"_s,
                                             u"0,081"_s, u"0,48"_s, u"0,003"_s };
    QTest::newRow("0x0") << u"0"_s << u"0"_s << 1 << QStringList(7, u"0"_s);
    QTest::newRow("negative") << u"-4"_s << u"5"_s << 0
                              << QStringList { u"-20"_s, u"-0,56"_s, u"-0,112"_s, u"-3,74"_s,
                                     u"-0,54"_s, u"-3,2"_s, u"-0,02"_s };
    QTest::newRow("scientific above four digits")
        << u"200"_s << u"100"_s << 1
        << QStringList { u"2E4"_s, u"580"_s, u"116"_s, u"5020"_s, u"1160"_s, u"3860"_s, u"20"_s };
    QTest::newRow("five digits in scientific form")
        << u"1000"_s << u"100"_s << 1
        << QStringList { u"1E5"_s, u"2900"_s, u"580"_s, u"2,51E4"_s, u"5800"_s, u"1,93E4"_s,
               u"100"_s };
    QTest::newRow("area 5E4") << u"500"_s << u"100"_s << 1
                              << QStringList { u"5E4"_s, u"1450"_s, u"290"_s, u"1,255E4"_s,
                                     u"2900"_s, u"9650"_s, u"50"_s };
}

// Foundation volume link: length, width, height, the volume text.
inline void addFoundationVolumeCases()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("volume");
    QTest::newRow("2x1,5x0,8") << u"2"_s << u"1,5"_s << u"0,8"_s << u"2,4"_s;
    QTest::newRow("1,2x1,2x1") << u"1,2"_s << u"1,2"_s << u"1"_s << u"1,44"_s;
    QTest::newRow("1,1 cube") << u"1,1"_s << u"1,1"_s << u"1,1"_s << u"1,331"_s;
    QTest::newRow("0,1x0,1x0,05") << u"0,1"_s << u"0,1"_s << u"0,05"_s << u"0,0005"_s;
    QTest::newRow("0,01x0,01x0,1") << u"0,01"_s << u"0,01"_s << u"0,1"_s << u"1E-5"_s;
    QTest::newRow("25x20x30") << u"25"_s << u"20"_s << u"30"_s << u"1,5E4"_s;
    QTest::newRow("negative") << u"-2"_s << u"1"_s << u"1"_s << u"-2"_s;
}

// Sowing on a 10 by 10 site: work, the eight result texts in row order.
inline void addSowingCases()
{
    QTest::addColumn<int>("work");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("by hand") << 0
                             << QStringList { u"0"_s, u"0"_s, u"2"_s, u"0"_s, u"0"_s, u"0"_s,
                                    u"0"_s, u"0"_s };
    QTest::newRow("with machines")
        << 1 << QStringList { u"0"_s, u"0"_s, u"1,6"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("hydroseeding") << 2
                                  << QStringList { u"0"_s, u"0"_s, u"3"_s, u"0"_s, u"5"_s, u"60"_s,
                                         u"20"_s, u"0,1"_s };
}
