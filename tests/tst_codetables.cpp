// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the code tables that fill the main window's drop-downs. The users' settings keep
// drop-down positions, so a row may never move: each table's codes in order have a fixed digest.

#include "codetables/core/codetable.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"

#include "ui_mainwindow.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTest>

namespace {

// Each table: its name, its row count and the SHA-256 of its codes in order, each followed by
// LF (the empty code of "None" first), so that a row that moves, goes or comes changes it.
const struct Table { const char* name; int rows; const char* codes; } tables[] = {
    {"from", 289, "f1c3178d23779a99be4c850cb0a357ddeb1f2b54febebad41e4391bd501a87b5"},
    {"foreign", 176, "cd668a942921a14f814fa9fce71923014e5099c749a2515cafb59ebf5d23499a"},
    {"lang", 521, "07a73d136b49ef93e5a4351d62103b4adeea48c93aca5ea34edbcb62fbd24cf0"},
    {"to", 127, "e86bcb976a4090f83b1e4d531d1630bc6a68046ea3433d9401a672115b51f1da"},
    {"tx", 1033, "7f1b80f4e406b9f8824cdc545aa461d92de731888b8984958a1025be30d13455"},
    {"mode", 11, "d226c4bbaaf1ab944cc6f75244e99aef7df53adc6482b7676bbe3936d756b3a4"},
};

// Rows whose display texts are fixed, "position code=text" joined by " | " (no code holds "=").
// Where a group has a mark (a regular expression), its rows are all the rows of the table
// that match it. CG7 "Guantanamo Bay" stands at 50, the position its code list gives it.
const struct Quoted { const char* title; const char* table; const char* rows; const char* mark; } quotedGroups[] = {
    {"From", "from", "1 ABW=Aruba | 18 ATN=Netherlands Leeward Antilles (dissolved in 2010) | 23 B=Brasil | 50 CG7=Guantanamo Bay | 66 CTI=Ivory Coast (Côte d'Ivoire) | 74 D=Germany | 79 E=Spain | 86 F=France | 92 G=United Kingdom of Great Britain and Northern Ireland | 119 I=Italy | 128 IW=International Waters | 130 J=Japan | 216 REU=La Réunion | 221 S=Sweden | 271 USA=United States of America | 288 ZWE=Zimbabwe", nullptr},
    {"From, starred", "from", "45 CAB=Cabinda * | 49 CEU=Ceuta * | 55 CLA=Clandestine stations * | 85 EUR=Iles Europe & Bassas da India * | 101 GPG=Galapagos * | 129 IWA=Ogasawara (Bonin, Iwo Jima) * | 132 JDN=Juan de Nova * | 134 JMY=Jan Mayen * | 137 JUF=Juan Fernandez Island * | 138 KAL=Kaliningrad * | 166 MEL=Melilla * | 211 PRV=Okino-Tori-Shima (Parece Vela) * | 222 SAP=San Andres & Providencia * | 226 SGA=South Georgia Islands * | 234 SOK=South Orkney Islands * | 240 SSI=South Sandwich Islands * | 244 SVB=Svalbard * | 264 TWN=Taiwan * | 269 UN=United Nations *", " \\*$"},
    {"Foreign", "foreign", "1 AFG=Afghanistan | 17 B=Brazil | 35 CHN=China (PRC) | 64 G=Great Britain / UK | 116 MYT=Mayotte (TCo) | 139 RUS=Russia | 140 S=S | 141 SWE=Sweden | 162 TWN=China (Roc) AKA Taiwan) | 167 URG=Uruguay (ERo) | 168 USA=United States | 175 ZW=Zimbabwe", nullptr},
    {"Foreign, (Ro)", "foreign", "50 DJI=Djibouti (Ro) | 61 FJI=Fiji (Ro) | 67 GNE=Equatorial Guinea (Ro) | 71 GUI=Guinea (Ro) | 78 HRV=Croatia (Ro) | 81 IND=India (Ro) | 91 KEN=Kenya (Ro) | 93 KOR=Korea (Ro) | 145 SNG=Singapore (Ro) | 173 YEM=Yemen (Ro) | 174 ZMB=Zambia (Ro)", " \\(Ro\\)$"},
    {"Foreign, showing their code", "foreign", "21 BES=BES | 56 ERI=ERI | 57 EST=EST | 98 LBY=LBY | 99 LTU=LTU | 115 MYA=MYA | 124 OCE=OCE | 138 RRW=RRW | 140 S=S", "^\\d+ ([^=]+)=\\1$"},
    {"Lang", "lang", "1 -CW=Morse Station | 2 -MX=Music | 3 -TS=Time Signal Station | 4 A=Arabic (300m) [arb] | 10 AF=Afrikaans: South Africa, Namibia (5m) [afr] | 12 AFG=Pashto and Dari (main Afghan languages, see there) | 20 Ang=Angelus programme of Vatican Radio | 27 Aud=Papal Audience (Vatican Radio) | 38 BAO=Baoulé: Cote d'Ivoire (2m) [bci] | 80 C=Chinese (not further specified) | 85 CH=Chin (not further specified): Myanmar; includes those below a.o. | 86 C-A=Chin-Asho: Myanmar-Ayeyarwady,Rakhine (30,000) [csh] | 111 D=German: Germany (80m), Austria, Switzerland, Belgium [deu] | 133 E=English: UK (60m), USA (225m), India (200m), others [eng] | 149 Fujian:=see TW-Taiwanese | 176 Hokkien:=see TW-Taiwanese | 236 KiR=KiRundi: Burundi (9m) [run] | 259 KuA=Kurdish and Arabic | 260 KuF=Kurdish and Farsi | 267 KUs=Sorani (Central) Kurdish: Iraq (3.5m), Iran (3.3m) [ckb] | 275 LA=Ladino: see SEF | 304 M=Mandarin (Standard Chinese / Beijing dialect): China (840m) [cmn] | 393 Ros=Rosary session of Vatican Radio | 413 SHk=Shan-Khamti: Myanmar (8,000), India-Assam (5,000) [kht] | 416 SHK=Shiluk/Shilluk: South Sudan (0.2m) [shk] | 482 TW=Taiwanese/Fujian/Hokkien/Min Nan (CHN 25m, TWN 15m, others 9m) [nan] | 495 Ves=Vespers (Vatican Radio) | 496 Vn=Vernacular = local language(s) | 497 VN=Vietnamese: Vietnam (66m) [vie] | 520 ZWE=Languages of Zimbabwe", nullptr},
    {"Tx Site, long codes", "tx", "4 Meyerton 26S35=28E08 except: | 9 The Valley 18N13=63W01 | 35 Gavar (formerly Kamo) 40N25=45E12 | 37 Riyadh 24N30=46E23 except: | 40 Ascension Island, 07S54=14W23 | 61 Moosbrunn 48N00=16E28 | 147 Bonaire 12N12=68W18 | 148 Ouagadougou 12N26=01W33 | 151 Abu Hayan 26N02=50E37 | 152 Bijeljina 44N42=19E10 | 153 Diego Garcia 07S26=72E26 | 154 Minsk=Sasnovy/Kalodziscy 53N58-27E47 except: | 166 Mopeng Hill 21S57=27E39 | 167 Thimphu 27N28=89E39 | 213 Santiago (Calera de Tango) 33S38'36'=70W51'02' except: | 269 Buea 04N09=09E14 | 279 Cariari de Pococí (REE) 10N25=83W43 except: | 281 La Habana sites Quivicán/Bejucal/Bauta 23N00=82W30 | 286 Santa Maria di Galeria 42N03=12E19 except: | 329 Djibouti 11N30=43E00 | 370 Asmara=Saladaro 15N13-38E52 | 378 Issoudun 46N56=01E54 except: | 401 Pohnpei 06N58=158E12 | 420 Moyabi 01S40=13E31 | 443 Montsinery 04N54=52W29 | 448 Sparendaam 06N49=58W05 | 457 Deanovec 45N39=16E27 | 591 Al Karanah / Qast Kherane 31N44=36E26 | 621 Kabd/Sulaibiyah 29N16=47E53 except: | 628 Sabrata 32N54=13E11 | 629 Sitkunai 55N02'37'=23E48'28' | 632 Ulbroka 56N56=24E17 | 633 Maiac near Grigoriopol 47N17=29E24 | 634 Talata Volonondry 18S50=47E35 except: | 652 Bamako 12N39=08W01 | 668 Nouakchott 18N07=15W57 | 673 Niamey 13N30=02E06 | 699 Khumaltar 27N30=85E30 | 721 Koror=Babeldaob (Medorn) 07N27'22'-134E28'24' | 791 Kigali 01S55=30E07 | 882 Honiara 09S25=160E03 | 883 Kranji 01N25=103E44 except: | 892 Pinheira 00N18=06E42 | 895 Rimavska Sobota 48N24=20E08 | 896 Manzini/Mpangela Ranch 26S34=31E59 | 897 Adra 33N27=36E30 | 898 N'Djamena=Gredia 12N08-15E03 | 936 Dhabbaya 24N11=54E14 | 998 Tashkent 41N13=69E09 except:", nullptr},
    {"Tx Site", "tx", "1 k=Kabul / Pol-e-Charkhi 34N32-69E21 | 2 x=Khost 33N20-69E56 | 3 y=Kabul-Yakatut 34N32-69E13 | 5 ct=Cape Town 33S41-18E42 | 6 L=Luena (Moxico) 11S47'00'-19E55'19' | 15 b=Béchar 31N34-02W21 | 259 xx=Unknown site | 456 xx=Secret pirate site | 798 B1=Buzzer sites: Kerro (St Petersburg) 60N18'40'-30E16'40' | 799 B2=Buzzer sites: Naro-Fominsk (Moscow) 55N25'35'-36E42'33' | 865 xx=Unknown site(s) | 1025 xx=Secret service site | 1027 U=Unknown site | 1032 E=Gweru/Guinea Fowl 19S26-29E51", nullptr},
};

// The target areas, "code=text" joined by " | ": each gives six rows of the To table in turn.
const char* const toAreas = "Af=Africa | Am=America(s) | As=Asia | Car=Caribbean, Gulf of Mexico, Florida Waters | Cau=Caucasus | CIS=Commonwealth of Independent States (Former Soviet Union) | CNA=Central North America | ENA=Eastern North America | Eu=Europe (often including North Africa/Middle East) | FE=Far East | LAm=Latin America (=Central and South America) | ME=Middle East | NAO=North Atlantic Ocean | Oc=Oceania (Australia, New Zealand, Pacific Ocean) | SAO=South Atlantic Ocean | SEA=South East Asia | SEE=South East Europe | Sib=Siberia | Tib=Tibet | WIO=Western Indian Ocean | WNA=Western North America";

// What the window finds, "drop-down position code" joined by " | "; -1 where no row has the code.
const char* const lookups = "cbFor 140 S | cbFor 141 SWE | cbTx 1 k | cbTx 28 k | cbTx 4 Meyerton 26S35 | cbTx 279 Cariari de Pococí (REE) 10N25 | cbLang 496 Vn | cbLang 497 VN | cbLang -1 vn | cbLang 413 SHk | cbLang 416 SHK | cbLang -1 shk";

QList<CodeRow> readTable(const QString& name)
{
    return readCodeTable(QStringLiteral(":/codetables/%1.tsv").arg(name));
}

QStringList codesOf(const QString& name)
{
    QStringList codes;
    for (const CodeRow& row : readTable(name))
        codes.append(row.code);
    return codes;
}

QString rowLine(int position, const QString& code, const QString& text)
{
    return QStringLiteral("%1 %2=%3").arg(position).arg(code, text);
}

QByteArray codesDigest(const QString& name)
{
    QByteArray codes;
    for (const QString& code : codesOf(name))
        codes += code.toUtf8() + '\n';
    return QCryptographicHash::hash(codes, QCryptographicHash::Sha256).toHex();
}

void addTables()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("digest");
    for (const Table& table : tables)
        QTest::newRow(table.name) << QString::fromLatin1(table.name) << table.rows << QByteArray(table.codes);
}

} // namespace

class TestCodeTables : public QObject
{
    Q_OBJECT

private slots:
    // every table's codes and rows; its codes free of the field separator and, but for sites, unique
    void rowsInPlace_data() { addTables(); }
    void rowsInPlace()
    {
        QFETCH(QString, name);
        QFETCH(int, rows);
        QFETCH(QByteArray, digest);
        const QList<CodeRow> table = readTable(name);
        QCOMPARE(codesDigest(name), digest);
        QCOMPARE(table.size(), rows);
        QCOMPARE(rowLine(0, table.value(0).code, table.value(0).text), QStringLiteral("0 =None"));
        QStringList unique = codesOf(name);
        QCOMPARE(unique.filter(QStringLiteral(";")), QStringList()); // the field separator
        unique.removeDuplicates();
        if (name != QLatin1String("tx")) // a site code recurs from country to country
            QCOMPARE(unique, codesOf(name));
    }

    void quotedTexts_data()
    {
        QTest::addColumn<int>("group");
        for (const Quoted& quoted : quotedGroups)
            QTest::newRow(quoted.title) << int(&quoted - quotedGroups);
    }
    void quotedTexts()
    {
        QFETCH(int, group);
        const Quoted& quoted = quotedGroups[group];
        QStringList lines;
        for (const CodeRow& row : readTable(QString::fromLatin1(quoted.table)))
            lines.append(rowLine(lines.size(), row.code, row.text));
        const QStringList listed = QString::fromUtf8(quoted.rows).split(QStringLiteral(" | "));
        for (const QString& line : listed)
            QCOMPARE(lines.value(line.section(QLatin1Char(' '), 0, 0).toInt()), line);
        if (quoted.mark)
            QCOMPARE(lines.filter(QRegularExpression(QString::fromLatin1(quoted.mark))), listed);
    }

    void toRowsFollowAreas()
    {
        // each area, then its Central, North, South, East and West parts: "code prefix=text prefix"
        const QStringList parts = {"=", "C=(Central) ", "N=(North) ", "S=(South) ", "E=(East) ", "W=(West) "};
        QStringList expected = {QStringLiteral("0 =None")}, lines;
        for (const QString& area : QString::fromLatin1(toAreas).split(QStringLiteral(" | "))) {
            for (const QString& part : parts)
                expected.append(rowLine(expected.size(), part.section('=', 0, 0) + area.section('=', 0, 0),
                                        part.section('=', 1) + area.section('=', 1)));
        }
        for (const CodeRow& row : readTable(QStringLiteral("to")))
            lines.append(rowLine(lines.size(), row.code, row.text));
        QCOMPARE(lines, expected);
    }

    void windowLookups_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("code");
        for (const QString& lookup : QString::fromUtf8(lookups).split(QStringLiteral(" | ")))
            QTest::newRow(qPrintable(lookup))
                << lookup.section(' ', 0, 0) << lookup.section(' ', 1, 1).toInt() << lookup.section(' ', 2);
    }
    void windowLookups()
    {
        QFETCH(QString, box);
        QFETCH(int, position);
        QFETCH(QString, code);
        ledraTest::TestWindow test;
        QComboBox* comboBox = test.window.findChild<QComboBox*>(box);
        QVERIFY(comboBox);
        if (position >= 0)
            QCOMPARE(comboBox->itemData(position).toString(), code);
        if (box != QLatin1String("cbTx")) // site codes repeat, so a site is never looked up by its code
            QCOMPARE(test.window.findItemByData(comboBox, code), position);
    }
};

LEDRA_TEST_MAIN(TestCodeTables)

#include "tst_codetables.moc"
