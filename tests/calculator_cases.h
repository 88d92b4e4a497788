// Tables of cases shared by the tests of the pure computations and of the pages, so that both
// layers are held to the same figures. Numbers are written with the comma (Russian settings).
#pragma once

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

// Masonry: the node, the seven inputs (wall length, height, window length, height, door length,
// height, thickness), the four texts (volume, bricks, mortar, plugs).
inline void addMasonryCases()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QStringList>("inputs"); // wall L, H, window L, H, door L, H, thickness
    QTest::addColumn<QStringList>("texts"); // volume, bricks, mortar, plugs
    const QStringList worked { u"10"_s, u"3"_s, u"2"_s, u"1,5"_s, u"1"_s, u"2,1"_s };
    const auto with = [](QStringList in, const QString &t) { return in << t; };
    QTest::newRow("10x3 openings 240")
        << 2 << with(worked, u"0,24"_s)
        << QStringList { u"5,976"_s, u"2390,4"_s, u"1,327"_s, u"0,005976"_s };
    QTest::newRow("10x3 openings 360")
        << 3 << with(worked, u"0,36"_s)
        << QStringList { u"8,964"_s, u"3540,78"_s, u"2,107"_s, u"0,008964"_s };
    QTest::newRow("10x3 openings 480")
        << 4 << with(worked, u"0,48"_s)
        << QStringList { u"11,95"_s, u"4709,088"_s, u"2,821"_s, u"0,01195"_s };
    QTest::newRow("10x3 openings 600")
        << 5 << with(worked, u"0,6"_s)
        << QStringList { u"14,94"_s, u"5856,48"_s, u"3,675"_s, u"0,01494"_s };
    const QStringList plain { u"12"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("12x3 240") << 2 << with(plain, u"0,24"_s)
                              << QStringList { u"8,64"_s, u"3456"_s, u"1,918"_s, u"0,00864"_s };
    QTest::newRow("12x3 360") << 3 << with(plain, u"0,36"_s)
                              << QStringList { u"12,96"_s, u"5119,2"_s, u"3,046"_s, u"0,01296"_s };
    QTest::newRow("12x3 480") << 4 << with(plain, u"0,48"_s)
                              << QStringList { u"17,28"_s, u"6808,32"_s, u"4,078"_s, u"0,01728"_s };
    QTest::newRow("12x3 600") << 5 << with(plain, u"0,6"_s)
                              << QStringList { u"21,6"_s, u"8467,2"_s, u"5,314"_s, u"0,0216"_s };
    QTest::newRow("bricks from the stored volume")
        << 4 << QStringList { u"6"_s, u"2,5"_s, u"1,2"_s, u"1,4"_s, u"0,9"_s, u"2,1"_s, u"0,48"_s }
        << QStringList { u"5,486"_s, u"2161,6416"_s, u"1,295"_s, u"0,005486"_s };
    QTest::newRow("1000x20 600") << 5
                                 << QStringList { u"1000"_s, u"20"_s, u"0"_s, u"0"_s, u"0"_s,
                                        u"0"_s, u"0,6"_s }
                                 << QStringList { u"1,2E4"_s, u"4704000"_s, u"2952"_s, u"12"_s };
    QTest::newRow("openings larger than the wall")
        << 2 << QStringList { u"2"_s, u"1"_s, u"3"_s, u"1"_s, u"0"_s, u"0"_s, u"0,24"_s }
        << QStringList { u"-0,24"_s, u"-96"_s, u"-0,05328"_s, u"-0,00024"_s };
    QTest::newRow("all zero") << 2 << QStringList(7, u"0"_s)
                              << QStringList { u"0"_s, u"0"_s, u"0"_s, u"0"_s };
}

// Underlayer: the kind, the volume as typed, the results as "row=text" in the row order of the
// materials group (rows from 1).
inline void addUnderlayerCases()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("kind 0, 1") << 0 << u"1"_s << QStringList { u"1=1,11"_s };
    QTest::newRow("kind 2, 1") << 2 << u"1"_s
                               << QStringList { u"3=0,97"_s, u"4=0,09"_s, u"5=0,16"_s };
    QTest::newRow("kind 4, 1") << 4 << u"1"_s
                               << QStringList { u"1=0,98"_s, u"6=0,43"_s, u"7=78,5"_s };
    QTest::newRow("kind 7, 1") << 7 << u"1"_s
                               << QStringList { u"1=0,095"_s, u"3=0,17"_s, u"12=0,74"_s };
    QTest::newRow("kind 9, 1") << 9 << u"1"_s << QStringList { u"10=1,02"_s, u"11=26"_s };
    QTest::newRow("kind 4, 10") << 4 << u"10"_s
                                << QStringList { u"1=9,8"_s, u"6=4,3"_s, u"7=785"_s };
    QTest::newRow("kind 6, 10") << 6 << u"10"_s << QStringList { u"1=4,5"_s, u"6=2"_s, u"9=9"_s };
    QTest::newRow("kind 4, 1000") << 4 << u"1000"_s
                                  << QStringList { u"1=980"_s, u"6=430"_s, u"7=7,85E4"_s };
    QTest::newRow("kind 3, 10000") << 3 << u"10000"_s << QStringList { u"1=1,02E4"_s, u"6=4300"_s };
    QTest::newRow("kind 8, 10000") << 8 << u"10000"_s << QStringList { u"9=10200"_s };
    QTest::newRow("kind 0, 0,001") << 0 << u"0,001"_s << QStringList { u"1=0,00111"_s };
    QTest::newRow("kind 2, 0,001")
        << 2 << u"0,001"_s << QStringList { u"3=0,00097"_s, u"4=9E-5"_s, u"5=0,00016"_s };
    QTest::newRow("kind 7, 0,001")
        << 7 << u"0,001"_s << QStringList { u"1=9,5E-5"_s, u"3=0,00017"_s, u"12=0,00074"_s };
    QTest::newRow("kind 7, 0,01") << 7 << u"0,01"_s
                                  << QStringList { u"1=0,00095"_s, u"3=0,0017"_s, u"12=0,0074"_s };
    QTest::newRow("kind 1, 0") << 1 << u"0"_s << QStringList { u"2=0"_s };
    QTest::newRow("kind 0, -1") << 0 << u"-1"_s << QStringList { u"1=-1,11"_s };
    QTest::newRow("kind 5, 2,50") << 5 << u"2,50"_s
                                  << QStringList { u"1=1,9"_s, u"3=1"_s, u"6=0,825"_s };
}

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
