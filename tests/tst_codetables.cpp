// Checks the six code tables that fill the drop-downs of the main window. Positions
// are kept in the users' settings, so every row must stay where it is: the code
// sequences below are the tables' fixed order, one list per table.

#include "codes.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QVariant>

namespace {

// Codes of positions 1 onwards, separated by blanks.
const char* const fromCodes =
    "ABW AFG AFS AGL AIA ALB ALG ALS AMS AND AOE ARG ARM ARS ASC ATA ATG ATN AUS AUT AZE AZR B BAH BDI BEL BEN BER BES BFA BGD BHR BIH BIO BLM BLR BLZ BOL BOT BRB BRU BTN BUL BVT CAB CAF CAN CBG CEU CG7 CHL CHN CHR CKH CLA CLM CLN CME CNR COD COG COM CPT CPV CRO CTI CTR CUB CUW CVA CYM CYP CZE D DJI DMA DNK DOM E EGY EQA ERI EST ETH EUR F FIN FJI FLK FRO FSM G GAB GEO GHA GIB GLP GMB GNB GNE GPG GRC GRD GRL GTM GUF GUI GUM GUY HKG HMD HND HNG HOL HRV HTI HWA HWL I ICO IND INS IRL IRN IRQ ISL ISR IW IWA J JAR JDN JMC JMY JON JOR JUF KAL KAZ KEN KER KGZ KIR KNA KOR KRE KWT LAO LBN LBR LBY LCA LIE LSO LTU LUX LVA MAC MAF MAU MCO MDA MDG MDR MDW MEL MEX MHL MKD MLA MLD MLI MLT MNE MNG MOZ MRA MRC MRN MRT MSR MTN MWI MYA MYT NCG NCL NFK NGR NIG NIU NMB NOR NPL NRU NZL OCE OMA PAK PAQ PHL PHX PLM PLW PNG PNR POL POR PRG PRU PRV PSE PTC PTR QAT REU ROD ROU RRW RUS S SAP SDN SEN SEY SGA SHN SLM SLV SMA SMO SMR SNG SOK SOM SPM SRB SRL SSD SSI STP SUI SUR SVB SVK SVN SWZ SXM SYR TCA TCD TGO THA TJK TKL TKM TLS TON TRC TRD TUN TUR TUV TWN TZA UAE UGA UKR UN URG USA UZB VCT VEN VIR VRG VTN VUT WAK WAL XBY XGZ XSP XUU XWB YEM ZMB ZWE";

const char* const foreignCodes =
    "AFG AFS AGL AIA ALB ALG ALS ARG ARM ARS ASC ATA AUS AUT AZE AZR B BEL BEN BER BES BFA BGD BHR BIH BIO BLR BOL BOT BTN BUL CAF CAN CHL CHN CKH CLM CLN CME CNR COD COG CTI CTR CUB CVA CYP CZE D DJI DNK DOM E EGY EQA ERI EST ETH F FIN FJI FRO FSM G GAB GEO GNE GRC GRL GUF GUI GUM GUY HKG HND HNG HOL HRV HWA I IND INS IRL IRN IRQ ISL ISR J JOR KAZ KEN KGZ KOR KRE KWT LAO LBR LBY LTU LUX LVA MDA MDG MDR MEX MLA MLI MLT MNE MNG MRA MRC MRT MTN MYA MYT MWI NGR NIG NMB NOR NPL NZL OCE OMA PAK PHL PLW PNG POL POR PRG PRU PTR QAT REU ROU RRW RUS S SWE SDN SEY SLM SNG SOM SRB SSD STP SUI SUR SVK SWZ SYR TCD THA TJK TKM TRD TUN TUR TWN TZA UAE UGA UKR URG USA UZB VEN VTN VUT YEM ZMB ZW";

const char* const langCodes =
    "-CW -MX -TS A AB AC ACH AD ADI AF AFA AFG AH AJ AK AL ALG AM AMD Ang AR ARO ARU ASS ASY ATS Aud AV AW AY AZ BAD BAG BAI BAJ BAL BAN BAO BAR BAS BAY BB BC BE BED BEM BGL BH BHN BHT BI BID BIS BJ BK BLK BLT BM BNA BNG BNI BNJ BNT BON BOR BOS BR BRA BRB BRU BSL BT BTK BU BUG BUK BUN BUR BY C CA CC CD CEB CH C-A C-D C-F C-H CHA CHE CHG CHI C-K C-M C-O CHR CHU C-T C-Z CKM CKW COF COK CR CRU CT CV CW CZ D D-P DA DAH DAO DAR DD DEC DEG DEN DEO DES DH DI DIM DIT DO DR DU DUN DY DZ E EC EGY EO ES EWE F FA FI FJ FON FP FS FT FU FUJ Fujian: FUR GA GAG GAR GD GE GI GJ GL GM GNG GO GON GR GU GUA GUR GZ HA HAD HAR HAS HB HD HI HK Hokkien: HM HMA HMB HMQ HMW HN HO HR HRE HU HUI HZ I IB IF IG ILC ILG IN INU IRQ IS ISA J JEH JG JOR JR JU JV K KA K-G K-K K-P K-S K-W KAD KAL KAB KAM KAN KAO KAR KAT KAU KAY KB KBO KC KG KH KHA KHM KHR KHS KHT KIM KIN KiR KK KKN KMB KMY KND KNK KNU KNY KOH KOK KOM KON KOT KOY KPK KRB KRI KRW KS KT KTW KU KuA KuF KUI KUL KUM KUN KUP KUR KUs KUT KUV KVI KWA KYH KZ L LA LAD LAH LAK LAM LAO LB LBN LBO LEP LEZ LIM LIN LIS LND LNG LO LOK LOZ LT LTO LU LUB LUC LUG LUN LUR LUV LV M MA MAD MAG MAI MAK MAL MAM MAO MAR MAS MC MCH MEI MEN MEW MGA MIE MIS MKB MKS MKU ML MLK MLT MNA MNE MNO MO MON MOO MOR MR MRC MRI MRU MSY MUN MUO MUR MV MW MX MY MZ NAG NDA NDE NE NG NGA NIC NIS NIU NL NLA NO NOC NP NTK NU NUN NW NY OG OH OO OR OS OW P PAL PAS PED PJ PO POR POT PS PU Q QQ R RAD REN RGM RO ROG RON Ros RU RWG S SAH SAN SAR SAS SC SCA SD SED SEF SEN SFO SGA SGM SGO SGT SHA SHk SHC SHE SHK SHO SHP SHU SI SID SIK SIR SK SLM SLT SM SMP SNK SNT SO SON SOT SR SRA STI SUA SUD SUM SUN SV SWA SWE SWZ T TAG TAH TAL TAM TB TBS TEL TEM TFT TGK TGR TGS THA TIG TJ TK TL TM TMG TMJ TN TNG TO TOK TOR TP TS TSA TSH TT TTB TU TUL TUM TUN TV TW TWI TWT TZ UD UI UK UM UR UZ V VAD VAR Ves Vn VN VV VX W WA WAO WE WT WU XH YAO YER YI YK YO YOL YUN YZ Z ZA ZD ZG ZH ZWE";

// Site codes: a code that holds blanks is written in double quotes.
const char* const txCodes =
    R"tx(k x y "Meyerton 26S35" ct L lu m "The Valley 18N13" c f s ad an b o or r s t tm an ap ba cb e g k ks no b cr g mp "Gavar (formerly Kamo) 40N25" y "Riyadh 24N30" j jr "Ascension Island, 07S54" e f a ae b bm c ex h hc ka ku L n rz s sf sm t w "Moosbrunn 48N00" g s ho a ag an ap ar b be br bt bv c ca cb cc cg Cg cl cm cn co cp Cp cs cu cv c2 E e f fl fp g gb gc gm go gu h ib it ld li lo m ma mc mg mi mo mr ob os pa pc pe pi pv r rb rc rj ro rs rw sa sb sc se sg sj sm sr sz ta te tf vi x o c p h "Bonaire 12N12" "Ouagadougou 12N26" k s "Abu Hayan 26N02" "Bijeljina 44N42" "Diego Garcia 07S26" "Minsk" b g m mo ay cb p ri sc uy yu "Mopeng Hill 21S57" "Thimphu 27N28" bg do kj p pe s sa sl tv va vi vk ba bo ap c cb cc ch cr cw g h hp hr hx i in j k lp lv na o pc r sa sj sl sm sv t tr v ym "Santiago (Calera de Tango) 33S38'36'" e v a as b B bd bm bs c cc ch d e f g gu gx h ha he hh j k ka kl L n nj nm p q qq s sg sq sy t u uc x xc xg xt xw xx xz ya yb rt r e i p t "Buea 04N09" ar fc hr lm bk bu b pn a "Cariari de Pococí (REE) 10N25" g "La Habana sites Quivicán/Bejucal/Bauta 23N00" b be hr q "Santa Maria di Galeria 42N03" v cr g m y b cb kv mb os p pl b be br bu bv d dd dt e fl g ha he hh jr k L la li mf n nu or pi r rf s w wb we "Djibouti 11N30" bl bv co ro sg sk sd af ag ar as bo c cg fi gm h jq mu mx n rq rs sb ta tj vj a al ea z a c g i o p s t u "Asmara" ta tt tv a d j m "Issoudun 46N56" cm co g gn jb ma r ro sb v wu ha he hk mh o p t v va n t "Pohnpei 06N58" ab an cp cr ct d fm hu nw o p r s sc sp st ty w "Moyabi 01S40" s b m a i k L o r aa ik ko ma n pa qa qe si sq t up uu "Montsinery 04N54" c a b m "Sparendaam 06N49" a g lh m p sz cg xx "Deanovec 45N39" a b c d hi ho L m n nm p a an au b ba cg cv eu ge kr li lm me mz na p pa pt r ra sy t v xx a az b bh c d dn g gt hy im it j ja je jm k kc kh ko ku kv le lu m mv n nj p pb r ra sg si sm sr t tv v w bi bu f g j jm kd md mk mr ms n p pa pd pk se so t w mh s v xx a b bb c j k ke ki m mh q s t z zb d s g h ii L y c f h k ky n o ok tv xx y yo "Al Karanah / Qast Kherane 31N44" a ak av ny b bk c d g h j k n o s sg t xx c e h j k p sg s u w y "Kabd/Sulaibiyah 29N16" kw s v e m s "Sabrata 32N54" "Sitkunai 55N02'37'" j m "Ulbroka 56N56" "Maiac near Grigoriopol 47N17" "Talata Volonondry 18S50" a m ps c e i m mz pr s p u vh ka kk ku s "Bamako 12N39" mr oc a c m u m s t ag b ca L n fc "Nouakchott 18N07" n p t y "Niamey 13N30" a b e i j k wb a as at be bo bv e f fs hf jm ly no or ro sa tj va "Khumaltar 27N30" a r t fa ma a s t i kv m p q r b i m p po t x "Koror" a b d g ka kb ke ki ku la lo ma me mh pm pr po r v va wa ww p sk w ms f ar at bv cc ce ch cl cp ct cu cz hb hc ho ht hu hv hz in iq ja ju li or pc pm qb qt rm sc si ta tc ur yu i dr su c g s t "Kigali 01S55" a ak ar as b bo B1 B2 c cb ek gr i io iv iz k ka kd kh kl kp kr ku kv ky kz L m ma mg mm mr mt mu mv n nk nn no nv or p pe pk pt pv re ro rp rv s sa se sm so sp sr sv sy sz t to tv ty u uf us v vl vo xe xv xx ya ys yv yy b d gr gs h k s t v a r mh "Honiara 09S25" "Kranji 01N25" j v b g h ma s n "Pinheira 00N18" be pm "Rimavska Sobota 48N24" "Manzini/Mpangela Ranch 26S34" "Adra 33N27" "N'Djamena" b bm bv hy n u y o a s np bz ke mh s sf tb tu zz c e is m f h j k L m n p q s t y d z "Dhabbaya 24N11" k m be c k L m od x xx z lp m pc pe rb t tr a b ba bg bo bt c ch cu dx fa fb fc fd fe ff fg g hw jc k L LL lm m ma mi mo n nm no np o of q pr rl rs sc se sf v vs "Tashkent 41N13" a ta y b bt cm ct db dn hc hg hp hu kg L m mc nt pr pt py qp s t vt x xx T U a s L m E)tx";

// The sites of each country of the Foreign table: country code, then first and last position.
const char* const txCountryRanges =
    "AFG 1-3, AFS 4-5, AGL 6-8, AIA 9, ALB 10-12, ALG 13-21, ALS 22-30, ARG 31-34, ARM 35-36, ARS 37-39, ASC 40, ATA 41-42, AUS 43-60, AUT 61, AZE 62-63, AZR 64, B 65-142, BEL 143, BEN 144-145, BER 146, BES 147, BFA 148, BGD 149-150, BHR 151, BIH 152, BIO 153, BLR 154-158, BOL 159-165, BOT 166, BTN 167, BUL 168-179, CAF 180-181, CAN 182-212, CHL 213-215, CHN 216-262, CKH 263, CLM 264, CLN 265-268, CME 269, CNR 270-273, COD 274-275, COG 276-277, CTI 278, CTR 279-280, CUB 281-285, CVA 286-287, CYP 288-291, CZE 292-298, D 299-328, DJI 329, DNK 330-335, DOM 336, E 337-356, EGY 357-360, EQA 361-369, ERI 370, EST 371-373, ETH 374-377, F 378-389, FIN 390-398, FJI 399, FRO 400, FSM 401, G 402-419, GAB 420, GEO 421, GNE 422-423, GRC 424-429, GRL 430-442, GUF 443, GUI 444, GUM 445-447, GUY 448, HKG 449, HNG 450-454, HOL 455-456, HRV 457, HWA 458-468, I 469-492, IND 493-532, INS 533-552, IRL 553-556, IRN 557-571, IRQ 572-573, ISL 574, ISR 575-578, J 579-590, JOR 591, KAZ 592-594, KEN 595, KGZ 596-597, KOR 598-609, KRE 610-620, KWT 621-622, LAO 623-624, LBR 625-627, LBY 628, LTU 629, LUX 630-631, LVA 632, MDA 633, MDG 634-636, MDR 637, MEX 638-647, MLA 648-651, MLI 652, MLT 653, MNE 654, MNG 655-658, MRA 659-661, MRC 662-666, MRT 667, MTN 668, MYA 669-672, NGR 673, NIG 674-679, NMB 680, NOR 681-698, NPL 699, NZL 700-702, OCE 703-704, OMA 705-707, PAK 708-713, PHL 714-720, PLW 721, PNG 722-743, POL 744-746, POR 747, PRG 748, PRU 749-783, PTR 784, QAT 785, REU 786, ROU 787-790, RRW 791, RUS 792-869, S 870-878, SDN 879-880, SEY 881, SLM 882, SNG 883-885, SOM 886-889, SRB 890, SSD 891, STP 892, SUI 893, SUR 894, SVK 895, SWZ 896, SYR 897, TCD 898, THA 899-904, TJK 905-906, TKM 907-908, TRD 909, TUN 910-917, TUR 918-921, TWN 922-933, TZA 934-935, UAE 936, UGA 937-938, UKR 939-947, URG 948-954, USA 955-997, UZB 998-1000, VEN 1001, VTN 1002-1025, VUT 1026-1027, YEM 1028-1029, ZMB 1030-1031, ZW 1032.";

QString tablePath(const QString& name)
{
    return QStringLiteral(":/codetables/%1.tsv").arg(name);
}

QList<CodeRow> table(const QString& name)
{
    return readCodeTable(tablePath(name));
}

QStringList codesOf(const QList<CodeRow>& rows)
{
    QStringList codes;
    for (const CodeRow& row : rows)
        codes.append(row.code);
    return codes;
}

// Splits a code list at blanks, keeping a double-quoted code (which may hold blanks) whole.
QStringList splitCodeList(const char* list)
{
    const QString text = QString::fromUtf8(list);
    QStringList codes;
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        if (text.at(i) == QLatin1Char('"')) {
            const int end = text.indexOf(QLatin1Char('"'), i + 1);
            codes.append(text.mid(i + 1, end - i - 1));
            i = end + 1;
        } else {
            int end = text.indexOf(QLatin1Char(' '), i);
            if (end < 0)
                end = text.size();
            codes.append(text.mid(i, end - i));
            i = end;
        }
    }
    return codes;
}

// Fills a drop-down the way the main window's fillers do.
void fillComboBox(QComboBox& box, const QString& name)
{
    for (const CodeRow& row : table(name))
        box.insertItem(box.count(), QIcon(), row.text, QVariant(row.code));
}

struct CountryRange
{
    QString country;
    int first;
    int last;
};

QList<CountryRange> txRanges()
{
    QList<CountryRange> ranges;
    static const QRegularExpression item(QStringLiteral("([A-Z]+) (\\d+)(?:-(\\d+))?"));
    auto it = item.globalMatch(QString::fromLatin1(txCountryRanges));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const int first = m.captured(2).toInt();
        const int last = m.captured(3).isEmpty() ? first : m.captured(3).toInt();
        ranges.append({m.captured(1), first, last});
    }
    return ranges;
}

bool hasNonAscii(const QString& s)
{
    for (QChar c : s) {
        if (c.unicode() > 127)
            return true;
    }
    return false;
}

const char* const allTables[] = {"from", "foreign", "lang", "to", "tx", "mode"};

} // namespace

class TestCodeTables : public QObject
{
    Q_OBJECT

private slots:
    void rowCount_data();
    void rowCount();
    void codeSequence_data();
    void codeSequence();
    void tellingRow_data();
    void tellingRow();
    void targetAreaRule_data();
    void targetAreaRule();
    void modeTable();
    void codesUnique_data();
    void codesUnique();
    void codesAndTextsClean_data();
    void codesAndTextsClean();
    void findByCode_data();
    void findByCode();
    void startUpDefaults_data();
    void startUpDefaults();
    void nonAsciiLetters();
    void fromStarredRows();
    void foreignRowsShowingCode();
    void langTextForms();
    void txCountryLists();
    void txCodeForms();
    void txTextsPerCountryDistinct();
    void mainWindowDropDowns_data();
    void mainWindowDropDowns();
    void firstStartDefaults();
};

void TestCodeTables::rowCount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::newRow("from") << QStringLiteral("from") << 289;
    QTest::newRow("foreign") << QStringLiteral("foreign") << 176;
    QTest::newRow("lang") << QStringLiteral("lang") << 521;
    QTest::newRow("to") << QStringLiteral("to") << 127;
    QTest::newRow("tx") << QStringLiteral("tx") << 1033;
    QTest::newRow("mode") << QStringLiteral("mode") << 11;
}

void TestCodeTables::rowCount()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    const QList<CodeRow> rows = table(name);
    QCOMPARE(rows.size(), count);
    QCOMPARE(rows.first().code, QString());
    QCOMPARE(rows.first().text, QStringLiteral("None"));
}

void TestCodeTables::codeSequence_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("from") << QStringLiteral("from") << splitCodeList(fromCodes);
    QTest::newRow("foreign") << QStringLiteral("foreign") << splitCodeList(foreignCodes);
    QTest::newRow("lang") << QStringLiteral("lang") << splitCodeList(langCodes);
    QTest::newRow("tx") << QStringLiteral("tx") << splitCodeList(txCodes);
}

void TestCodeTables::codeSequence()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    QStringList codes = codesOf(table(name));
    QVERIFY(!codes.isEmpty());
    codes.removeFirst(); // "None"
    // a moved, missing or extra row shows here as the first position that differs
    for (int i = 0; i < qMin(codes.size(), expected.size()); ++i) {
        if (codes.at(i) != expected.at(i)) {
            QFAIL(qPrintable(QStringLiteral("position %1: found \"%2\", expected \"%3\"")
                                 .arg(i + 1)
                                 .arg(codes.at(i), expected.at(i))));
        }
    }
    QCOMPARE(codes.size(), expected.size());
}

void TestCodeTables::tellingRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("from 0") << QStringLiteral("from") << 0 << QStringLiteral("") << QStringLiteral("None");
    QTest::newRow("from 1") << QStringLiteral("from") << 1 << QStringLiteral("ABW") << QStringLiteral("Aruba");
    QTest::newRow("from 18") << QStringLiteral("from") << 18 << QStringLiteral("ATN") << QStringLiteral("Netherlands Leeward Antilles (dissolved in 2010)");
    QTest::newRow("from 23") << QStringLiteral("from") << 23 << QStringLiteral("B") << QStringLiteral("Brasil");
    QTest::newRow("from 45") << QStringLiteral("from") << 45 << QStringLiteral("CAB") << QStringLiteral("Cabinda *");
    QTest::newRow("from 49") << QStringLiteral("from") << 49 << QStringLiteral("CEU") << QStringLiteral("Ceuta *");
    QTest::newRow("from 50") << QStringLiteral("from") << 50 << QStringLiteral("CG7") << QStringLiteral("Guantanamo Bay");
    QTest::newRow("from 55") << QStringLiteral("from") << 55 << QStringLiteral("CLA") << QStringLiteral("Clandestine stations *");
    QTest::newRow("from 66") << QStringLiteral("from") << 66 << QStringLiteral("CTI") << QStringLiteral("Ivory Coast (Côte d'Ivoire)");
    QTest::newRow("from 74") << QStringLiteral("from") << 74 << QStringLiteral("D") << QStringLiteral("Germany");
    QTest::newRow("from 79") << QStringLiteral("from") << 79 << QStringLiteral("E") << QStringLiteral("Spain");
    QTest::newRow("from 85") << QStringLiteral("from") << 85 << QStringLiteral("EUR") << QStringLiteral("Iles Europe & Bassas da India *");
    QTest::newRow("from 86") << QStringLiteral("from") << 86 << QStringLiteral("F") << QStringLiteral("France");
    QTest::newRow("from 92") << QStringLiteral("from") << 92 << QStringLiteral("G") << QStringLiteral("United Kingdom of Great Britain and Northern Ireland");
    QTest::newRow("from 101") << QStringLiteral("from") << 101 << QStringLiteral("GPG") << QStringLiteral("Galapagos *");
    QTest::newRow("from 119") << QStringLiteral("from") << 119 << QStringLiteral("I") << QStringLiteral("Italy");
    QTest::newRow("from 128") << QStringLiteral("from") << 128 << QStringLiteral("IW") << QStringLiteral("International Waters");
    QTest::newRow("from 129") << QStringLiteral("from") << 129 << QStringLiteral("IWA") << QStringLiteral("Ogasawara (Bonin, Iwo Jima) *");
    QTest::newRow("from 130") << QStringLiteral("from") << 130 << QStringLiteral("J") << QStringLiteral("Japan");
    QTest::newRow("from 132") << QStringLiteral("from") << 132 << QStringLiteral("JDN") << QStringLiteral("Juan de Nova *");
    QTest::newRow("from 134") << QStringLiteral("from") << 134 << QStringLiteral("JMY") << QStringLiteral("Jan Mayen *");
    QTest::newRow("from 137") << QStringLiteral("from") << 137 << QStringLiteral("JUF") << QStringLiteral("Juan Fernandez Island *");
    QTest::newRow("from 138") << QStringLiteral("from") << 138 << QStringLiteral("KAL") << QStringLiteral("Kaliningrad *");
    QTest::newRow("from 166") << QStringLiteral("from") << 166 << QStringLiteral("MEL") << QStringLiteral("Melilla *");
    QTest::newRow("from 211") << QStringLiteral("from") << 211 << QStringLiteral("PRV") << QStringLiteral("Okino-Tori-Shima (Parece Vela) *");
    QTest::newRow("from 216") << QStringLiteral("from") << 216 << QStringLiteral("REU") << QStringLiteral("La Réunion");
    QTest::newRow("from 221") << QStringLiteral("from") << 221 << QStringLiteral("S") << QStringLiteral("Sweden");
    QTest::newRow("from 222") << QStringLiteral("from") << 222 << QStringLiteral("SAP") << QStringLiteral("San Andres & Providencia *");
    QTest::newRow("from 226") << QStringLiteral("from") << 226 << QStringLiteral("SGA") << QStringLiteral("South Georgia Islands *");
    QTest::newRow("from 234") << QStringLiteral("from") << 234 << QStringLiteral("SOK") << QStringLiteral("South Orkney Islands *");
    QTest::newRow("from 240") << QStringLiteral("from") << 240 << QStringLiteral("SSI") << QStringLiteral("South Sandwich Islands *");
    QTest::newRow("from 244") << QStringLiteral("from") << 244 << QStringLiteral("SVB") << QStringLiteral("Svalbard *");
    QTest::newRow("from 264") << QStringLiteral("from") << 264 << QStringLiteral("TWN") << QStringLiteral("Taiwan *");
    QTest::newRow("from 269") << QStringLiteral("from") << 269 << QStringLiteral("UN") << QStringLiteral("United Nations *");
    QTest::newRow("from 271") << QStringLiteral("from") << 271 << QStringLiteral("USA") << QStringLiteral("United States of America");
    QTest::newRow("from 288") << QStringLiteral("from") << 288 << QStringLiteral("ZWE") << QStringLiteral("Zimbabwe");
    QTest::newRow("foreign 0") << QStringLiteral("foreign") << 0 << QStringLiteral("") << QStringLiteral("None");
    QTest::newRow("foreign 1") << QStringLiteral("foreign") << 1 << QStringLiteral("AFG") << QStringLiteral("Afghanistan");
    QTest::newRow("foreign 17") << QStringLiteral("foreign") << 17 << QStringLiteral("B") << QStringLiteral("Brazil");
    QTest::newRow("foreign 21") << QStringLiteral("foreign") << 21 << QStringLiteral("BES") << QStringLiteral("BES");
    QTest::newRow("foreign 35") << QStringLiteral("foreign") << 35 << QStringLiteral("CHN") << QStringLiteral("China (PRC)");
    QTest::newRow("foreign 50") << QStringLiteral("foreign") << 50 << QStringLiteral("DJI") << QStringLiteral("Djibouti (Ro)");
    QTest::newRow("foreign 56") << QStringLiteral("foreign") << 56 << QStringLiteral("ERI") << QStringLiteral("ERI");
    QTest::newRow("foreign 57") << QStringLiteral("foreign") << 57 << QStringLiteral("EST") << QStringLiteral("EST");
    QTest::newRow("foreign 61") << QStringLiteral("foreign") << 61 << QStringLiteral("FJI") << QStringLiteral("Fiji (Ro)");
    QTest::newRow("foreign 64") << QStringLiteral("foreign") << 64 << QStringLiteral("G") << QStringLiteral("Great Britain / UK");
    QTest::newRow("foreign 67") << QStringLiteral("foreign") << 67 << QStringLiteral("GNE") << QStringLiteral("Equatorial Guinea (Ro)");
    QTest::newRow("foreign 71") << QStringLiteral("foreign") << 71 << QStringLiteral("GUI") << QStringLiteral("Guinea (Ro)");
    QTest::newRow("foreign 78") << QStringLiteral("foreign") << 78 << QStringLiteral("HRV") << QStringLiteral("Croatia (Ro)");
    QTest::newRow("foreign 81") << QStringLiteral("foreign") << 81 << QStringLiteral("IND") << QStringLiteral("India (Ro)");
    QTest::newRow("foreign 91") << QStringLiteral("foreign") << 91 << QStringLiteral("KEN") << QStringLiteral("Kenya (Ro)");
    QTest::newRow("foreign 93") << QStringLiteral("foreign") << 93 << QStringLiteral("KOR") << QStringLiteral("Korea (Ro)");
    QTest::newRow("foreign 98") << QStringLiteral("foreign") << 98 << QStringLiteral("LBY") << QStringLiteral("LBY");
    QTest::newRow("foreign 99") << QStringLiteral("foreign") << 99 << QStringLiteral("LTU") << QStringLiteral("LTU");
    QTest::newRow("foreign 115") << QStringLiteral("foreign") << 115 << QStringLiteral("MYA") << QStringLiteral("MYA");
    QTest::newRow("foreign 116") << QStringLiteral("foreign") << 116 << QStringLiteral("MYT") << QStringLiteral("Mayotte (TCo)");
    QTest::newRow("foreign 124") << QStringLiteral("foreign") << 124 << QStringLiteral("OCE") << QStringLiteral("OCE");
    QTest::newRow("foreign 138") << QStringLiteral("foreign") << 138 << QStringLiteral("RRW") << QStringLiteral("RRW");
    QTest::newRow("foreign 139") << QStringLiteral("foreign") << 139 << QStringLiteral("RUS") << QStringLiteral("Russia");
    QTest::newRow("foreign 140") << QStringLiteral("foreign") << 140 << QStringLiteral("S") << QStringLiteral("S");
    QTest::newRow("foreign 141") << QStringLiteral("foreign") << 141 << QStringLiteral("SWE") << QStringLiteral("Sweden");
    QTest::newRow("foreign 145") << QStringLiteral("foreign") << 145 << QStringLiteral("SNG") << QStringLiteral("Singapore (Ro)");
    QTest::newRow("foreign 162") << QStringLiteral("foreign") << 162 << QStringLiteral("TWN") << QStringLiteral("China (Roc) AKA Taiwan)");
    QTest::newRow("foreign 167") << QStringLiteral("foreign") << 167 << QStringLiteral("URG") << QStringLiteral("Uruguay (ERo)");
    QTest::newRow("foreign 168") << QStringLiteral("foreign") << 168 << QStringLiteral("USA") << QStringLiteral("United States");
    QTest::newRow("foreign 173") << QStringLiteral("foreign") << 173 << QStringLiteral("YEM") << QStringLiteral("Yemen (Ro)");
    QTest::newRow("foreign 174") << QStringLiteral("foreign") << 174 << QStringLiteral("ZMB") << QStringLiteral("Zambia (Ro)");
    QTest::newRow("foreign 175") << QStringLiteral("foreign") << 175 << QStringLiteral("ZW") << QStringLiteral("Zimbabwe");
    QTest::newRow("lang 0") << QStringLiteral("lang") << 0 << QStringLiteral("") << QStringLiteral("None");
    QTest::newRow("lang 1") << QStringLiteral("lang") << 1 << QStringLiteral("-CW") << QStringLiteral("Morse Station");
    QTest::newRow("lang 2") << QStringLiteral("lang") << 2 << QStringLiteral("-MX") << QStringLiteral("Music");
    QTest::newRow("lang 3") << QStringLiteral("lang") << 3 << QStringLiteral("-TS") << QStringLiteral("Time Signal Station");
    QTest::newRow("lang 4") << QStringLiteral("lang") << 4 << QStringLiteral("A") << QStringLiteral("Arabic (300m) [arb]");
    QTest::newRow("lang 10") << QStringLiteral("lang") << 10 << QStringLiteral("AF") << QStringLiteral("Afrikaans: South Africa, Namibia (5m) [afr]");
    QTest::newRow("lang 12") << QStringLiteral("lang") << 12 << QStringLiteral("AFG") << QStringLiteral("Pashto and Dari (main Afghan languages, see there)");
    QTest::newRow("lang 20") << QStringLiteral("lang") << 20 << QStringLiteral("Ang") << QStringLiteral("Angelus programme of Vatican Radio");
    QTest::newRow("lang 27") << QStringLiteral("lang") << 27 << QStringLiteral("Aud") << QStringLiteral("Papal Audience (Vatican Radio)");
    QTest::newRow("lang 38") << QStringLiteral("lang") << 38 << QStringLiteral("BAO") << QStringLiteral("Baoulé: Cote d'Ivoire (2m) [bci]");
    QTest::newRow("lang 80") << QStringLiteral("lang") << 80 << QStringLiteral("C") << QStringLiteral("Chinese (not further specified)");
    QTest::newRow("lang 85") << QStringLiteral("lang") << 85 << QStringLiteral("CH") << QStringLiteral("Chin (not further specified): Myanmar; includes those below a.o.");
    QTest::newRow("lang 86") << QStringLiteral("lang") << 86 << QStringLiteral("C-A") << QStringLiteral("Chin-Asho: Myanmar-Ayeyarwady,Rakhine (30,000) [csh]");
    QTest::newRow("lang 111") << QStringLiteral("lang") << 111 << QStringLiteral("D") << QStringLiteral("German: Germany (80m), Austria, Switzerland, Belgium [deu]");
    QTest::newRow("lang 133") << QStringLiteral("lang") << 133 << QStringLiteral("E") << QStringLiteral("English: UK (60m), USA (225m), India (200m), others [eng]");
    QTest::newRow("lang 149") << QStringLiteral("lang") << 149 << QStringLiteral("Fujian:") << QStringLiteral("see TW-Taiwanese");
    QTest::newRow("lang 176") << QStringLiteral("lang") << 176 << QStringLiteral("Hokkien:") << QStringLiteral("see TW-Taiwanese");
    QTest::newRow("lang 236") << QStringLiteral("lang") << 236 << QStringLiteral("KiR") << QStringLiteral("KiRundi: Burundi (9m) [run]");
    QTest::newRow("lang 259") << QStringLiteral("lang") << 259 << QStringLiteral("KuA") << QStringLiteral("Kurdish and Arabic");
    QTest::newRow("lang 260") << QStringLiteral("lang") << 260 << QStringLiteral("KuF") << QStringLiteral("Kurdish and Farsi");
    QTest::newRow("lang 267") << QStringLiteral("lang") << 267 << QStringLiteral("KUs") << QStringLiteral("Sorani (Central) Kurdish: Iraq (3.5m), Iran (3.3m) [ckb]");
    QTest::newRow("lang 275") << QStringLiteral("lang") << 275 << QStringLiteral("LA") << QStringLiteral("Ladino: see SEF");
    QTest::newRow("lang 304") << QStringLiteral("lang") << 304 << QStringLiteral("M") << QStringLiteral("Mandarin (Standard Chinese / Beijing dialect): China (840m) [cmn]");
    QTest::newRow("lang 393") << QStringLiteral("lang") << 393 << QStringLiteral("Ros") << QStringLiteral("Rosary session of Vatican Radio");
    QTest::newRow("lang 413") << QStringLiteral("lang") << 413 << QStringLiteral("SHk") << QStringLiteral("Shan-Khamti: Myanmar (8,000), India-Assam (5,000) [kht]");
    QTest::newRow("lang 416") << QStringLiteral("lang") << 416 << QStringLiteral("SHK") << QStringLiteral("Shiluk/Shilluk: South Sudan (0.2m) [shk]");
    QTest::newRow("lang 482") << QStringLiteral("lang") << 482 << QStringLiteral("TW") << QStringLiteral("Taiwanese/Fujian/Hokkien/Min Nan (CHN 25m, TWN 15m, others 9m) [nan]");
    QTest::newRow("lang 495") << QStringLiteral("lang") << 495 << QStringLiteral("Ves") << QStringLiteral("Vespers (Vatican Radio)");
    QTest::newRow("lang 496") << QStringLiteral("lang") << 496 << QStringLiteral("Vn") << QStringLiteral("Vernacular = local language(s)");
    QTest::newRow("lang 497") << QStringLiteral("lang") << 497 << QStringLiteral("VN") << QStringLiteral("Vietnamese: Vietnam (66m) [vie]");
    QTest::newRow("lang 520") << QStringLiteral("lang") << 520 << QStringLiteral("ZWE") << QStringLiteral("Languages of Zimbabwe");
    QTest::newRow("to 0") << QStringLiteral("to") << 0 << QStringLiteral("") << QStringLiteral("None");
    QTest::newRow("to 1") << QStringLiteral("to") << 1 << QStringLiteral("Af") << QStringLiteral("Africa");
    QTest::newRow("to 2") << QStringLiteral("to") << 2 << QStringLiteral("CAf") << QStringLiteral("(Central) Africa");
    QTest::newRow("to 3") << QStringLiteral("to") << 3 << QStringLiteral("NAf") << QStringLiteral("(North) Africa");
    QTest::newRow("to 4") << QStringLiteral("to") << 4 << QStringLiteral("SAf") << QStringLiteral("(South) Africa");
    QTest::newRow("to 5") << QStringLiteral("to") << 5 << QStringLiteral("EAf") << QStringLiteral("(East) Africa");
    QTest::newRow("to 6") << QStringLiteral("to") << 6 << QStringLiteral("WAf") << QStringLiteral("(West) Africa");
    QTest::newRow("to 9") << QStringLiteral("to") << 9 << QStringLiteral("NAm") << QStringLiteral("(North) America(s)");
    QTest::newRow("to 31") << QStringLiteral("to") << 31 << QStringLiteral("CIS") << QStringLiteral("Commonwealth of Independent States (Former Soviet Union)");
    QTest::newRow("to 32") << QStringLiteral("to") << 32 << QStringLiteral("CCIS") << QStringLiteral("(Central) Commonwealth of Independent States (Former Soviet Union)");
    QTest::newRow("to 38") << QStringLiteral("to") << 38 << QStringLiteral("CCNA") << QStringLiteral("(Central) Central North America");
    QTest::newRow("to 47") << QStringLiteral("to") << 47 << QStringLiteral("EENA") << QStringLiteral("(East) Eastern North America");
    QTest::newRow("to 126") << QStringLiteral("to") << 126 << QStringLiteral("WWNA") << QStringLiteral("(West) Western North America");
    QTest::newRow("tx 0") << QStringLiteral("tx") << 0 << QStringLiteral("") << QStringLiteral("None");
    QTest::newRow("tx 1") << QStringLiteral("tx") << 1 << QStringLiteral("k") << QStringLiteral("Kabul / Pol-e-Charkhi 34N32-69E21");
    QTest::newRow("tx 2") << QStringLiteral("tx") << 2 << QStringLiteral("x") << QStringLiteral("Khost 33N20-69E56");
    QTest::newRow("tx 3") << QStringLiteral("tx") << 3 << QStringLiteral("y") << QStringLiteral("Kabul-Yakatut 34N32-69E13");
    QTest::newRow("tx 4") << QStringLiteral("tx") << 4 << QStringLiteral("Meyerton 26S35") << QStringLiteral("28E08 except:");
    QTest::newRow("tx 5") << QStringLiteral("tx") << 5 << QStringLiteral("ct") << QStringLiteral("Cape Town 33S41-18E42");
    QTest::newRow("tx 6") << QStringLiteral("tx") << 6 << QStringLiteral("L") << QStringLiteral("Luena (Moxico) 11S47'00'-19E55'19'");
    QTest::newRow("tx 9") << QStringLiteral("tx") << 9 << QStringLiteral("The Valley 18N13") << QStringLiteral("63W01");
    QTest::newRow("tx 15") << QStringLiteral("tx") << 15 << QStringLiteral("b") << QStringLiteral("Béchar 31N34-02W21");
    QTest::newRow("tx 35") << QStringLiteral("tx") << 35 << QStringLiteral("Gavar (formerly Kamo) 40N25") << QStringLiteral("45E12");
    QTest::newRow("tx 37") << QStringLiteral("tx") << 37 << QStringLiteral("Riyadh 24N30") << QStringLiteral("46E23 except:");
    QTest::newRow("tx 40") << QStringLiteral("tx") << 40 << QStringLiteral("Ascension Island, 07S54") << QStringLiteral("14W23");
    QTest::newRow("tx 61") << QStringLiteral("tx") << 61 << QStringLiteral("Moosbrunn 48N00") << QStringLiteral("16E28");
    QTest::newRow("tx 147") << QStringLiteral("tx") << 147 << QStringLiteral("Bonaire 12N12") << QStringLiteral("68W18");
    QTest::newRow("tx 148") << QStringLiteral("tx") << 148 << QStringLiteral("Ouagadougou 12N26") << QStringLiteral("01W33");
    QTest::newRow("tx 151") << QStringLiteral("tx") << 151 << QStringLiteral("Abu Hayan 26N02") << QStringLiteral("50E37");
    QTest::newRow("tx 152") << QStringLiteral("tx") << 152 << QStringLiteral("Bijeljina 44N42") << QStringLiteral("19E10");
    QTest::newRow("tx 153") << QStringLiteral("tx") << 153 << QStringLiteral("Diego Garcia 07S26") << QStringLiteral("72E26");
    QTest::newRow("tx 154") << QStringLiteral("tx") << 154 << QStringLiteral("Minsk") << QStringLiteral("Sasnovy/Kalodziscy 53N58-27E47 except:");
    QTest::newRow("tx 166") << QStringLiteral("tx") << 166 << QStringLiteral("Mopeng Hill 21S57") << QStringLiteral("27E39");
    QTest::newRow("tx 167") << QStringLiteral("tx") << 167 << QStringLiteral("Thimphu 27N28") << QStringLiteral("89E39");
    QTest::newRow("tx 213") << QStringLiteral("tx") << 213 << QStringLiteral("Santiago (Calera de Tango) 33S38'36'") << QStringLiteral("70W51'02' except:");
    QTest::newRow("tx 259") << QStringLiteral("tx") << 259 << QStringLiteral("xx") << QStringLiteral("Unknown site");
    QTest::newRow("tx 269") << QStringLiteral("tx") << 269 << QStringLiteral("Buea 04N09") << QStringLiteral("09E14");
    QTest::newRow("tx 279") << QStringLiteral("tx") << 279 << QStringLiteral("Cariari de Pococí (REE) 10N25") << QStringLiteral("83W43 except:");
    QTest::newRow("tx 281") << QStringLiteral("tx") << 281 << QStringLiteral("La Habana sites Quivicán/Bejucal/Bauta 23N00") << QStringLiteral("82W30");
    QTest::newRow("tx 286") << QStringLiteral("tx") << 286 << QStringLiteral("Santa Maria di Galeria 42N03") << QStringLiteral("12E19 except:");
    QTest::newRow("tx 329") << QStringLiteral("tx") << 329 << QStringLiteral("Djibouti 11N30") << QStringLiteral("43E00");
    QTest::newRow("tx 370") << QStringLiteral("tx") << 370 << QStringLiteral("Asmara") << QStringLiteral("Saladaro 15N13-38E52");
    QTest::newRow("tx 378") << QStringLiteral("tx") << 378 << QStringLiteral("Issoudun 46N56") << QStringLiteral("01E54 except:");
    QTest::newRow("tx 401") << QStringLiteral("tx") << 401 << QStringLiteral("Pohnpei 06N58") << QStringLiteral("158E12");
    QTest::newRow("tx 420") << QStringLiteral("tx") << 420 << QStringLiteral("Moyabi 01S40") << QStringLiteral("13E31");
    QTest::newRow("tx 443") << QStringLiteral("tx") << 443 << QStringLiteral("Montsinery 04N54") << QStringLiteral("52W29");
    QTest::newRow("tx 448") << QStringLiteral("tx") << 448 << QStringLiteral("Sparendaam 06N49") << QStringLiteral("58W05");
    QTest::newRow("tx 456") << QStringLiteral("tx") << 456 << QStringLiteral("xx") << QStringLiteral("Secret pirate site");
    QTest::newRow("tx 457") << QStringLiteral("tx") << 457 << QStringLiteral("Deanovec 45N39") << QStringLiteral("16E27");
    QTest::newRow("tx 591") << QStringLiteral("tx") << 591 << QStringLiteral("Al Karanah / Qast Kherane 31N44") << QStringLiteral("36E26");
    QTest::newRow("tx 621") << QStringLiteral("tx") << 621 << QStringLiteral("Kabd/Sulaibiyah 29N16") << QStringLiteral("47E53 except:");
    QTest::newRow("tx 628") << QStringLiteral("tx") << 628 << QStringLiteral("Sabrata 32N54") << QStringLiteral("13E11");
    QTest::newRow("tx 629") << QStringLiteral("tx") << 629 << QStringLiteral("Sitkunai 55N02'37'") << QStringLiteral("23E48'28'");
    QTest::newRow("tx 632") << QStringLiteral("tx") << 632 << QStringLiteral("Ulbroka 56N56") << QStringLiteral("24E17");
    QTest::newRow("tx 633") << QStringLiteral("tx") << 633 << QStringLiteral("Maiac near Grigoriopol 47N17") << QStringLiteral("29E24");
    QTest::newRow("tx 634") << QStringLiteral("tx") << 634 << QStringLiteral("Talata Volonondry 18S50") << QStringLiteral("47E35 except:");
    QTest::newRow("tx 652") << QStringLiteral("tx") << 652 << QStringLiteral("Bamako 12N39") << QStringLiteral("08W01");
    QTest::newRow("tx 668") << QStringLiteral("tx") << 668 << QStringLiteral("Nouakchott 18N07") << QStringLiteral("15W57");
    QTest::newRow("tx 673") << QStringLiteral("tx") << 673 << QStringLiteral("Niamey 13N30") << QStringLiteral("02E06");
    QTest::newRow("tx 699") << QStringLiteral("tx") << 699 << QStringLiteral("Khumaltar 27N30") << QStringLiteral("85E30");
    QTest::newRow("tx 721") << QStringLiteral("tx") << 721 << QStringLiteral("Koror") << QStringLiteral("Babeldaob (Medorn) 07N27'22'-134E28'24'");
    QTest::newRow("tx 791") << QStringLiteral("tx") << 791 << QStringLiteral("Kigali 01S55") << QStringLiteral("30E07");
    QTest::newRow("tx 798") << QStringLiteral("tx") << 798 << QStringLiteral("B1") << QStringLiteral("Buzzer sites: Kerro (St Petersburg) 60N18'40'-30E16'40'");
    QTest::newRow("tx 799") << QStringLiteral("tx") << 799 << QStringLiteral("B2") << QStringLiteral("Buzzer sites: Naro-Fominsk (Moscow) 55N25'35'-36E42'33'");
    QTest::newRow("tx 865") << QStringLiteral("tx") << 865 << QStringLiteral("xx") << QStringLiteral("Unknown site(s)");
    QTest::newRow("tx 882") << QStringLiteral("tx") << 882 << QStringLiteral("Honiara 09S25") << QStringLiteral("160E03");
    QTest::newRow("tx 883") << QStringLiteral("tx") << 883 << QStringLiteral("Kranji 01N25") << QStringLiteral("103E44 except:");
    QTest::newRow("tx 892") << QStringLiteral("tx") << 892 << QStringLiteral("Pinheira 00N18") << QStringLiteral("06E42");
    QTest::newRow("tx 895") << QStringLiteral("tx") << 895 << QStringLiteral("Rimavska Sobota 48N24") << QStringLiteral("20E08");
    QTest::newRow("tx 896") << QStringLiteral("tx") << 896 << QStringLiteral("Manzini/Mpangela Ranch 26S34") << QStringLiteral("31E59");
    QTest::newRow("tx 897") << QStringLiteral("tx") << 897 << QStringLiteral("Adra 33N27") << QStringLiteral("36E30");
    QTest::newRow("tx 898") << QStringLiteral("tx") << 898 << QStringLiteral("N'Djamena") << QStringLiteral("Gredia 12N08-15E03");
    QTest::newRow("tx 936") << QStringLiteral("tx") << 936 << QStringLiteral("Dhabbaya 24N11") << QStringLiteral("54E14");
    QTest::newRow("tx 998") << QStringLiteral("tx") << 998 << QStringLiteral("Tashkent 41N13") << QStringLiteral("69E09 except:");
    QTest::newRow("tx 1025") << QStringLiteral("tx") << 1025 << QStringLiteral("xx") << QStringLiteral("Secret service site");
    QTest::newRow("tx 1027") << QStringLiteral("tx") << 1027 << QStringLiteral("U") << QStringLiteral("Unknown site");
    QTest::newRow("tx 1032") << QStringLiteral("tx") << 1032 << QStringLiteral("E") << QStringLiteral("Gweru/Guinea Fowl 19S26-29E51");
}

void TestCodeTables::tellingRow()
{
    QFETCH(QString, name);
    QFETCH(int, position);
    QFETCH(QString, code);
    QFETCH(QString, text);
    const QList<CodeRow> rows = table(name);
    QVERIFY(position < rows.size());
    QCOMPARE(rows.at(position).code, code);
    QCOMPARE(rows.at(position).text, text);
}

void TestCodeTables::targetAreaRule_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("baseCode");
    QTest::addColumn<QString>("baseText");
    QTest::newRow("Af") << 0 << QStringLiteral("Af") << QStringLiteral("Africa");
    QTest::newRow("Am") << 1 << QStringLiteral("Am") << QStringLiteral("America(s)");
    QTest::newRow("As") << 2 << QStringLiteral("As") << QStringLiteral("Asia");
    QTest::newRow("Car") << 3 << QStringLiteral("Car") << QStringLiteral("Caribbean, Gulf of Mexico, Florida Waters");
    QTest::newRow("Cau") << 4 << QStringLiteral("Cau") << QStringLiteral("Caucasus");
    QTest::newRow("CIS") << 5 << QStringLiteral("CIS") << QStringLiteral("Commonwealth of Independent States (Former Soviet Union)");
    QTest::newRow("CNA") << 6 << QStringLiteral("CNA") << QStringLiteral("Central North America");
    QTest::newRow("ENA") << 7 << QStringLiteral("ENA") << QStringLiteral("Eastern North America");
    QTest::newRow("Eu") << 8 << QStringLiteral("Eu") << QStringLiteral("Europe (often including North Africa/Middle East)");
    QTest::newRow("FE") << 9 << QStringLiteral("FE") << QStringLiteral("Far East");
    QTest::newRow("LAm") << 10 << QStringLiteral("LAm") << QStringLiteral("Latin America (=Central and South America)");
    QTest::newRow("ME") << 11 << QStringLiteral("ME") << QStringLiteral("Middle East");
    QTest::newRow("NAO") << 12 << QStringLiteral("NAO") << QStringLiteral("North Atlantic Ocean");
    QTest::newRow("Oc") << 13 << QStringLiteral("Oc") << QStringLiteral("Oceania (Australia, New Zealand, Pacific Ocean)");
    QTest::newRow("SAO") << 14 << QStringLiteral("SAO") << QStringLiteral("South Atlantic Ocean");
    QTest::newRow("SEA") << 15 << QStringLiteral("SEA") << QStringLiteral("South East Asia");
    QTest::newRow("SEE") << 16 << QStringLiteral("SEE") << QStringLiteral("South East Europe");
    QTest::newRow("Sib") << 17 << QStringLiteral("Sib") << QStringLiteral("Siberia");
    QTest::newRow("Tib") << 18 << QStringLiteral("Tib") << QStringLiteral("Tibet");
    QTest::newRow("WIO") << 19 << QStringLiteral("WIO") << QStringLiteral("Western Indian Ocean");
    QTest::newRow("WNA") << 20 << QStringLiteral("WNA") << QStringLiteral("Western North America");
}

void TestCodeTables::targetAreaRule()
{
    QFETCH(int, k);
    QFETCH(QString, baseCode);
    QFETCH(QString, baseText);
    static const char* const prefixes[] = {"", "C", "N", "S", "E", "W"};
    static const char* const words[] = {"", "(Central) ", "(North) ", "(South) ", "(East) ", "(West) "};
    const QList<CodeRow> rows = table(QStringLiteral("to"));
    QCOMPARE(rows.size(), 127);
    for (int j = 0; j < 6; ++j) {
        const CodeRow& row = rows.at(1 + 6 * k + j);
        QCOMPARE(row.code, QLatin1String(prefixes[j]) + baseCode);
        QCOMPARE(row.text, QLatin1String(words[j]) + baseText);
    }
}

void TestCodeTables::modeTable()
{
    const QList<CodeRow> rows = table(QStringLiteral("mode"));
    const QStringList texts = {QStringLiteral("None"), QStringLiteral("AM"), QStringLiteral("SAM"),
                               QStringLiteral("FM"), QStringLiteral("USB"), QStringLiteral("LSB"),
                               QStringLiteral("CWU"), QStringLiteral("CWL"), QStringLiteral("WFM"),
                               QStringLiteral("FSL"), QStringLiteral("FSU")};
    QCOMPARE(rows.size(), texts.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).text, texts.at(i));
        QCOMPARE(rows.at(i).code, i == 0 ? QString() : QString::number(i - 1));
    }
}

void TestCodeTables::codesUnique_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : allTables) {
        if (qstrcmp(name, "tx") != 0)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestCodeTables::codesUnique()
{
    QFETCH(QString, name);
    QSet<QString> seen;
    for (const CodeRow& row : table(name)) {
        if (seen.contains(row.code))
            QFAIL(qPrintable(QStringLiteral("code \"%1\" occurs twice").arg(row.code)));
        seen.insert(row.code);
    }
    QVERIFY(seen.size() > 1);
}

void TestCodeTables::codesAndTextsClean_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : allTables)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCodeTables::codesAndTextsClean()
{
    QFETCH(QString, name);
    const QList<CodeRow> rows = table(name);
    QVERIFY(rows.size() > 1);
    for (int i = 0; i < rows.size(); ++i) {
        const CodeRow& row = rows.at(i);
        const QString where = QStringLiteral("%1 position %2").arg(name).arg(i);
        QVERIFY2(!row.code.contains(QLatin1Char(';')), qPrintable(where));
        QVERIFY2(!row.code.contains(QLatin1Char('\t')) && !row.text.contains(QLatin1Char('\t')),
                 qPrintable(where));
        QVERIFY2(!row.text.trimmed().isEmpty(), qPrintable(where));
        QCOMPARE(row.text.trimmed(), row.text);
        QCOMPARE(row.code.trimmed(), row.code);
        QVERIFY2(i == 0 || !row.code.isEmpty(), qPrintable(where));
    }
}

void TestCodeTables::findByCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("position");
    QTest::newRow("lang Vn") << QStringLiteral("lang") << QStringLiteral("Vn") << 496;
    QTest::newRow("lang VN") << QStringLiteral("lang") << QStringLiteral("VN") << 497;
    QTest::newRow("lang vn") << QStringLiteral("lang") << QStringLiteral("vn") << -1;
    QTest::newRow("lang SHk") << QStringLiteral("lang") << QStringLiteral("SHk") << 413;
    QTest::newRow("lang SHK") << QStringLiteral("lang") << QStringLiteral("SHK") << 416;
    QTest::newRow("lang shk") << QStringLiteral("lang") << QStringLiteral("shk") << -1;
    QTest::newRow("lang E") << QStringLiteral("lang") << QStringLiteral("E") << 133;
    QTest::newRow("lang empty") << QStringLiteral("lang") << QString() << 0;
    QTest::newRow("to NAm") << QStringLiteral("to") << QStringLiteral("NAm") << 9;
    QTest::newRow("to NAM") << QStringLiteral("to") << QStringLiteral("NAM") << -1;
    QTest::newRow("to CIS") << QStringLiteral("to") << QStringLiteral("CIS") << 31;
    QTest::newRow("to empty") << QStringLiteral("to") << QString() << 0;
    QTest::newRow("from USA") << QStringLiteral("from") << QStringLiteral("USA") << 271;
    QTest::newRow("from CG7") << QStringLiteral("from") << QStringLiteral("CG7") << 50;
    QTest::newRow("from SWE") << QStringLiteral("from") << QStringLiteral("SWE") << -1;
    QTest::newRow("from ZW") << QStringLiteral("from") << QStringLiteral("ZW") << -1;
    QTest::newRow("from empty") << QStringLiteral("from") << QString() << 0;
    QTest::newRow("foreign S") << QStringLiteral("foreign") << QStringLiteral("S") << 140;
    QTest::newRow("foreign SWE") << QStringLiteral("foreign") << QStringLiteral("SWE") << 141;
    QTest::newRow("foreign USA") << QStringLiteral("foreign") << QStringLiteral("USA") << 168;
    QTest::newRow("foreign ZW") << QStringLiteral("foreign") << QStringLiteral("ZW") << 175;
    QTest::newRow("mode 3") << QStringLiteral("mode") << QStringLiteral("3") << 4;
    QTest::newRow("mode empty") << QStringLiteral("mode") << QString() << 0;
    QTest::newRow("tx k") << QStringLiteral("tx") << QStringLiteral("k") << 1;
    QTest::newRow("tx Meyerton") << QStringLiteral("tx") << QStringLiteral("Meyerton 26S35") << 4;
    QTest::newRow("tx Cariari") << QStringLiteral("tx")
                                << QString::fromUtf8("Cariari de Pococ\u00ed (REE) 10N25") << 279;
}

void TestCodeTables::findByCode()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(int, position);
    QComboBox box;
    fillComboBox(box, name);
    QCOMPARE(box.findData(code, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive), position);
}

void TestCodeTables::startUpDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("code");
    QTest::newRow("from") << QStringLiteral("from") << QStringLiteral("United States of America") << 271
                          << QStringLiteral("USA");
    QTest::newRow("to") << QStringLiteral("to") << QStringLiteral("(North) America(s)") << 9
                        << QStringLiteral("NAm");
    QTest::newRow("lang") << QStringLiteral("lang")
                          << QStringLiteral("English: UK (60m), USA (225m), India (200m), others [eng]")
                          << 133 << QStringLiteral("E");
}

void TestCodeTables::startUpDefaults()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, code);
    QComboBox box;
    fillComboBox(box, name);
    const int found = box.findData(text, Qt::DisplayRole, Qt::MatchCaseSensitive);
    QCOMPARE(found, position);
    QCOMPARE(box.itemData(found, Qt::UserRole).toString(), code);
}

void TestCodeTables::nonAsciiLetters()
{
    const QList<CodeRow> from = table(QStringLiteral("from"));
    QCOMPARE(from.at(216).text, QString::fromUtf8("La R\u00e9union"));
    QVERIFY(from.at(216).text.contains(QChar(0x00e9)));
    QCOMPARE(from.at(66).text, QString::fromUtf8("Ivory Coast (C\u00f4te d'Ivoire)"));

    const QList<CodeRow> tx = table(QStringLiteral("tx"));
    QVERIFY(tx.at(279).code.contains(QChar(0x00ed)));
    QCOMPARE(tx.at(279).code, QString::fromUtf8("Cariari de Pococ\u00ed (REE) 10N25"));
    int nonAsciiCodes = 0;
    for (const CodeRow& row : tx)
        nonAsciiCodes += hasNonAscii(row.code) ? 1 : 0;
    QCOMPARE(nonAsciiCodes, 2);

    // outside the site table every code is plain ASCII
    for (const char* name : allTables) {
        if (qstrcmp(name, "tx") == 0)
            continue;
        for (const CodeRow& row : table(QString::fromLatin1(name)))
            QVERIFY2(!hasNonAscii(row.code), qPrintable(row.code));
    }

    const QList<CodeRow> lang = table(QStringLiteral("lang"));
    QCOMPARE(lang.at(38).text, QString::fromUtf8("Baoul\u00e9: Cote d'Ivoire (2m) [bci]"));
    int nonAsciiTexts = 0;
    for (const CodeRow& row : lang)
        nonAsciiTexts += hasNonAscii(row.text) ? 1 : 0;
    QCOMPARE(nonAsciiTexts, 8);
}

void TestCodeTables::fromStarredRows()
{
    int starred = 0;
    for (const CodeRow& row : table(QStringLiteral("from")))
        starred += row.text.endsWith(QLatin1String(" *")) ? 1 : 0;
    QCOMPARE(starred, 19);
}

void TestCodeTables::foreignRowsShowingCode()
{
    QStringList showingCode;
    int roRows = 0;
    for (const CodeRow& row : table(QStringLiteral("foreign"))) {
        if (row.text == row.code)
            showingCode.append(row.code);
        roRows += row.text.endsWith(QLatin1String(" (Ro)")) ? 1 : 0;
    }
    QCOMPARE(showingCode, QStringList({"BES", "ERI", "EST", "LBY", "LTU", "MYA", "OCE", "RRW", "S"}));
    QCOMPARE(roRows, 11);
}

void TestCodeTables::langTextForms()
{
    const QList<CodeRow> rows = table(QStringLiteral("lang"));
    static const QRegularExpression isoCodes(QStringLiteral("\\[[a-z]{3}(,[a-z]{3})*\\]$"));
    int withIso = 0;
    int withSemicolon = 0;
    for (int i = 1; i < rows.size(); ++i) {
        withIso += isoCodes.match(rows.at(i).text).hasMatch() ? 1 : 0;
        withSemicolon += rows.at(i).text.contains(QLatin1Char(';')) ? 1 : 0;
    }
    QCOMPARE(withIso, 481);
    QCOMPARE(withSemicolon, 5);
}

void TestCodeTables::txCountryLists()
{
    // each country's sites form one block, the blocks in the order of the Foreign table
    const QList<CountryRange> ranges = txRanges();
    QCOMPARE(ranges.size(), 171);
    QStringList expectedOrder = codesOf(table(QStringLiteral("foreign")));
    expectedOrder.removeFirst();
    for (const char* none : {"HND", "MYT", "MWI", "SWE"})
        expectedOrder.removeOne(QString::fromLatin1(none));
    QStringList order;
    int next = 1;
    for (const CountryRange& range : ranges) {
        order.append(range.country);
        QCOMPARE(range.first, next);
        QVERIFY(range.last >= range.first);
        next = range.last + 1;
    }
    QCOMPARE(order, expectedOrder);
    QCOMPARE(next, table(QStringLiteral("tx")).size());
}

void TestCodeTables::txCodeForms()
{
    const QList<CodeRow> rows = table(QStringLiteral("tx"));
    QCOMPARE(rows.at(1).code, QStringLiteral("k"));
    QCOMPARE(rows.at(28).code, QStringLiteral("k"));
    int longCodes = 0;
    int oneChar = 0;
    int twoChars = 0;
    QHash<QString, int> uses;
    QSet<QString> unknownTexts;
    for (int i = 1; i < rows.size(); ++i) {
        const CodeRow& row = rows.at(i);
        ++uses[row.code];
        if (row.code.size() > 2)
            ++longCodes;
        else if (row.code.size() == 2)
            ++twoChars;
        else
            ++oneChar;
        if (row.code == QLatin1String("xx"))
            unknownTexts.insert(row.text);
        QVERIFY2(row.code != QLatin1String("l"), qPrintable(QString::number(i)));
    }
    QCOMPARE(longCodes, 49);
    QCOMPARE(oneChar, 408);
    QCOMPARE(twoChars, 575);
    QCOMPARE(uses.size(), 391);
    QCOMPARE(uses.value(QStringLiteral("s")), 31);
    QCOMPARE(uses.value(QStringLiteral("a")), 28);
    QCOMPARE(uses.value(QStringLiteral("m")), 28);
    QCOMPARE(uses.value(QStringLiteral("b")), 27);
    QCOMPARE(uses.value(QStringLiteral("t")), 25);
    QCOMPARE(uses.value(QStringLiteral("xx")), 9);
    QCOMPARE(uses.value(QStringLiteral("L")), 14);
    QCOMPARE(unknownTexts,
             QSet<QString>({"Unknown site", "Unknown site(s)", "Secret pirate site", "Secret service site"}));
}

void TestCodeTables::txTextsPerCountryDistinct()
{
    // within one country a code names one site, and each site reads differently
    const QList<CodeRow> rows = table(QStringLiteral("tx"));
    for (const CountryRange& range : txRanges()) {
        QSet<QString> codes;
        QSet<QString> texts;
        for (int i = range.first; i <= range.last && i < rows.size(); ++i) {
            const QString where = QStringLiteral("%1 position %2").arg(range.country).arg(i);
            QVERIFY2(!codes.contains(rows.at(i).code), qPrintable(where));
            QVERIFY2(!texts.contains(rows.at(i).text), qPrintable(where));
            codes.insert(rows.at(i).code);
            texts.insert(rows.at(i).text);
        }
    }
}

void TestCodeTables::mainWindowDropDowns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::newRow("from") << QStringLiteral("from") << QStringLiteral("cbFrom");
    QTest::newRow("foreign") << QStringLiteral("foreign") << QStringLiteral("cbFor");
    QTest::newRow("lang") << QStringLiteral("lang") << QStringLiteral("cbLang");
    QTest::newRow("to") << QStringLiteral("to") << QStringLiteral("cbTo");
    QTest::newRow("tx") << QStringLiteral("tx") << QStringLiteral("cbTx");
    QTest::newRow("mode") << QStringLiteral("mode") << QStringLiteral("cbMode");
}

void TestCodeTables::mainWindowDropDowns()
{
    QFETCH(QString, name);
    QFETCH(QString, box);
    ledraTest::resetHome(true);
    ModalAnswerer answerer;
    MainWindow window;
    const QComboBox* comboBox = window.findChild<QComboBox*>(box);
    QVERIFY(comboBox);
    const QList<CodeRow> rows = table(name);
    QCOMPARE(comboBox->count(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(comboBox->itemText(i), rows.at(i).text);
        QCOMPARE(comboBox->itemData(i, Qt::UserRole).toString(), rows.at(i).code);
    }
}

void TestCodeTables::firstStartDefaults()
{
    ledraTest::resetHome(true);
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(window.ui->cbFrom->currentIndex(), 271);
    QCOMPARE(window.ui->cbFrom->currentText(), QStringLiteral("United States of America"));
    QCOMPARE(window.fromCode, QStringLiteral("USA"));
    QCOMPARE(window.ui->cbTo->currentIndex(), 9);
    QCOMPARE(window.ui->cbTo->currentText(), QStringLiteral("(North) America(s)"));
    QCOMPARE(window.toCode, QStringLiteral("NAm"));
    QCOMPARE(window.ui->cbLang->currentIndex(), 133);
    QCOMPARE(window.ui->cbLang->currentText(),
             QStringLiteral("English: UK (60m), USA (225m), India (200m), others [eng]"));
    QCOMPARE(window.langCode, QStringLiteral("E"));
    QCOMPARE(window.ui->cbTx->currentIndex(), 0);
    QCOMPARE(window.ui->cbFor->currentIndex(), 0);
    QCOMPARE(window.ui->cbMode->currentIndex(), 0);
    QCOMPARE(window.txCode, QString());
    QCOMPARE(window.forCode, QString());
    QCOMPARE(window.modeCode, QString());
}

LEDRA_TEST_MAIN(TestCodeTables)

#include "tst_codetables.moc"
