// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the code tables that fill the main window's drop-downs. The users' settings keep
// drop-down positions, so a row may never move: each code list below is its table's fixed
// order, and a moved row makes the comparison fail at its position.

#include "codetables/core/codetable.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"

#include "ui_mainwindow.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QTest>

namespace {

// Each table: its name and row count, and the codes of positions 1 onwards, separated
// by blanks (a code that holds blanks is in double quotes). The To table is built from toAreas.
const struct Table { const char* name; int rows; const char* codes; } tables[] = {
    {"from", 289, "ABW AFG AFS AGL AIA ALB ALG ALS AMS AND AOE ARG ARM ARS ASC ATA ATG ATN AUS AUT AZE AZR B BAH BDI BEL BEN BER BES BFA BGD BHR BIH BIO BLM BLR BLZ BOL BOT BRB BRU BTN BUL BVT CAB CAF CAN CBG CEU CG7 CHL CHN CHR CKH CLA CLM CLN CME CNR COD COG COM CPT CPV CRO CTI CTR CUB CUW CVA CYM CYP CZE D DJI DMA DNK DOM E EGY EQA ERI EST ETH EUR F FIN FJI FLK FRO FSM G GAB GEO GHA GIB GLP GMB GNB GNE GPG GRC GRD GRL GTM GUF GUI GUM GUY HKG HMD HND HNG HOL HRV HTI HWA HWL I ICO IND INS IRL IRN IRQ ISL ISR IW IWA J JAR JDN JMC JMY JON JOR JUF KAL KAZ KEN KER KGZ KIR KNA KOR KRE KWT LAO LBN LBR LBY LCA LIE LSO LTU LUX LVA MAC MAF MAU MCO MDA MDG MDR MDW MEL MEX MHL MKD MLA MLD MLI MLT MNE MNG MOZ MRA MRC MRN MRT MSR MTN MWI MYA MYT NCG NCL NFK NGR NIG NIU NMB NOR NPL NRU NZL OCE OMA PAK PAQ PHL PHX PLM PLW PNG PNR POL POR PRG PRU PRV PSE PTC PTR QAT REU ROD ROU RRW RUS S SAP SDN SEN SEY SGA SHN SLM SLV SMA SMO SMR SNG SOK SOM SPM SRB SRL SSD SSI STP SUI SUR SVB SVK SVN SWZ SXM SYR TCA TCD TGO THA TJK TKL TKM TLS TON TRC TRD TUN TUR TUV TWN TZA UAE UGA UKR UN URG USA UZB VCT VEN VIR VRG VTN VUT WAK WAL XBY XGZ XSP XUU XWB YEM ZMB ZWE"},
    {"foreign", 176, "AFG AFS AGL AIA ALB ALG ALS ARG ARM ARS ASC ATA AUS AUT AZE AZR B BEL BEN BER BES BFA BGD BHR BIH BIO BLR BOL BOT BTN BUL CAF CAN CHL CHN CKH CLM CLN CME CNR COD COG CTI CTR CUB CVA CYP CZE D DJI DNK DOM E EGY EQA ERI EST ETH F FIN FJI FRO FSM G GAB GEO GNE GRC GRL GUF GUI GUM GUY HKG HND HNG HOL HRV HWA I IND INS IRL IRN IRQ ISL ISR J JOR KAZ KEN KGZ KOR KRE KWT LAO LBR LBY LTU LUX LVA MDA MDG MDR MEX MLA MLI MLT MNE MNG MRA MRC MRT MTN MYA MYT MWI NGR NIG NMB NOR NPL NZL OCE OMA PAK PHL PLW PNG POL POR PRG PRU PTR QAT REU ROU RRW RUS S SWE SDN SEY SLM SNG SOM SRB SSD STP SUI SUR SVK SWZ SYR TCD THA TJK TKM TRD TUN TUR TWN TZA UAE UGA UKR URG USA UZB VEN VTN VUT YEM ZMB ZW"},
    {"lang", 521, "-CW -MX -TS A AB AC ACH AD ADI AF AFA AFG AH AJ AK AL ALG AM AMD Ang AR ARO ARU ASS ASY ATS Aud AV AW AY AZ BAD BAG BAI BAJ BAL BAN BAO BAR BAS BAY BB BC BE BED BEM BGL BH BHN BHT BI BID BIS BJ BK BLK BLT BM BNA BNG BNI BNJ BNT BON BOR BOS BR BRA BRB BRU BSL BT BTK BU BUG BUK BUN BUR BY C CA CC CD CEB CH C-A C-D C-F C-H CHA CHE CHG CHI C-K C-M C-O CHR CHU C-T C-Z CKM CKW COF COK CR CRU CT CV CW CZ D D-P DA DAH DAO DAR DD DEC DEG DEN DEO DES DH DI DIM DIT DO DR DU DUN DY DZ E EC EGY EO ES EWE F FA FI FJ FON FP FS FT FU FUJ Fujian: FUR GA GAG GAR GD GE GI GJ GL GM GNG GO GON GR GU GUA GUR GZ HA HAD HAR HAS HB HD HI HK Hokkien: HM HMA HMB HMQ HMW HN HO HR HRE HU HUI HZ I IB IF IG ILC ILG IN INU IRQ IS ISA J JEH JG JOR JR JU JV K KA K-G K-K K-P K-S K-W KAD KAL KAB KAM KAN KAO KAR KAT KAU KAY KB KBO KC KG KH KHA KHM KHR KHS KHT KIM KIN KiR KK KKN KMB KMY KND KNK KNU KNY KOH KOK KOM KON KOT KOY KPK KRB KRI KRW KS KT KTW KU KuA KuF KUI KUL KUM KUN KUP KUR KUs KUT KUV KVI KWA KYH KZ L LA LAD LAH LAK LAM LAO LB LBN LBO LEP LEZ LIM LIN LIS LND LNG LO LOK LOZ LT LTO LU LUB LUC LUG LUN LUR LUV LV M MA MAD MAG MAI MAK MAL MAM MAO MAR MAS MC MCH MEI MEN MEW MGA MIE MIS MKB MKS MKU ML MLK MLT MNA MNE MNO MO MON MOO MOR MR MRC MRI MRU MSY MUN MUO MUR MV MW MX MY MZ NAG NDA NDE NE NG NGA NIC NIS NIU NL NLA NO NOC NP NTK NU NUN NW NY OG OH OO OR OS OW P PAL PAS PED PJ PO POR POT PS PU Q QQ R RAD REN RGM RO ROG RON Ros RU RWG S SAH SAN SAR SAS SC SCA SD SED SEF SEN SFO SGA SGM SGO SGT SHA SHk SHC SHE SHK SHO SHP SHU SI SID SIK SIR SK SLM SLT SM SMP SNK SNT SO SON SOT SR SRA STI SUA SUD SUM SUN SV SWA SWE SWZ T TAG TAH TAL TAM TB TBS TEL TEM TFT TGK TGR TGS THA TIG TJ TK TL TM TMG TMJ TN TNG TO TOK TOR TP TS TSA TSH TT TTB TU TUL TUM TUN TV TW TWI TWT TZ UD UI UK UM UR UZ V VAD VAR Ves Vn VN VV VX W WA WAO WE WT WU XH YAO YER YI YK YO YOL YUN YZ Z ZA ZD ZG ZH ZWE"},
    {"to", 127, nullptr},
    {"tx", 1033, R"tx(k x y "Meyerton 26S35" ct L lu m "The Valley 18N13" c f s ad an b o or r s t tm an ap ba cb e g k ks no b cr g mp "Gavar (formerly Kamo) 40N25" y "Riyadh 24N30" j jr "Ascension Island, 07S54" e f a ae b bm c ex h hc ka ku L n rz s sf sm t w "Moosbrunn 48N00" g s ho a ag an ap ar b be br bt bv c ca cb cc cg Cg cl cm cn co cp Cp cs cu cv c2 E e f fl fp g gb gc gm go gu h ib it ld li lo m ma mc mg mi mo mr ob os pa pc pe pi pv r rb rc rj ro rs rw sa sb sc se sg sj sm sr sz ta te tf vi x o c p h "Bonaire 12N12" "Ouagadougou 12N26" k s "Abu Hayan 26N02" "Bijeljina 44N42" "Diego Garcia 07S26" "Minsk" b g m mo ay cb p ri sc uy yu "Mopeng Hill 21S57" "Thimphu 27N28" bg do kj p pe s sa sl tv va vi vk ba bo ap c cb cc ch cr cw g h hp hr hx i in j k lp lv na o pc r sa sj sl sm sv t tr v ym "Santiago (Calera de Tango) 33S38'36'" e v a as b B bd bm bs c cc ch d e f g gu gx h ha he hh j k ka kl L n nj nm p q qq s sg sq sy t u uc x xc xg xt xw xx xz ya yb rt r e i p t "Buea 04N09" ar fc hr lm bk bu b pn a "Cariari de Pococí (REE) 10N25" g "La Habana sites Quivicán/Bejucal/Bauta 23N00" b be hr q "Santa Maria di Galeria 42N03" v cr g m y b cb kv mb os p pl b be br bu bv d dd dt e fl g ha he hh jr k L la li mf n nu or pi r rf s w wb we "Djibouti 11N30" bl bv co ro sg sk sd af ag ar as bo c cg fi gm h jq mu mx n rq rs sb ta tj vj a al ea z a c g i o p s t u "Asmara" ta tt tv a d j m "Issoudun 46N56" cm co g gn jb ma r ro sb v wu ha he hk mh o p t v va n t "Pohnpei 06N58" ab an cp cr ct d fm hu nw o p r s sc sp st ty w "Moyabi 01S40" s b m a i k L o r aa ik ko ma n pa qa qe si sq t up uu "Montsinery 04N54" c a b m "Sparendaam 06N49" a g lh m p sz cg xx "Deanovec 45N39" a b c d hi ho L m n nm p a an au b ba cg cv eu ge kr li lm me mz na p pa pt r ra sy t v xx a az b bh c d dn g gt hy im it j ja je jm k kc kh ko ku kv le lu m mv n nj p pb r ra sg si sm sr t tv v w bi bu f g j jm kd md mk mr ms n p pa pd pk se so t w mh s v xx a b bb c j k ke ki m mh q s t z zb d s g h ii L y c f h k ky n o ok tv xx y yo "Al Karanah / Qast Kherane 31N44" a ak av ny b bk c d g h j k n o s sg t xx c e h j k p sg s u w y "Kabd/Sulaibiyah 29N16" kw s v e m s "Sabrata 32N54" "Sitkunai 55N02'37'" j m "Ulbroka 56N56" "Maiac near Grigoriopol 47N17" "Talata Volonondry 18S50" a m ps c e i m mz pr s p u vh ka kk ku s "Bamako 12N39" mr oc a c m u m s t ag b ca L n fc "Nouakchott 18N07" n p t y "Niamey 13N30" a b e i j k wb a as at be bo bv e f fs hf jm ly no or ro sa tj va "Khumaltar 27N30" a r t fa ma a s t i kv m p q r b i m p po t x "Koror" a b d g ka kb ke ki ku la lo ma me mh pm pr po r v va wa ww p sk w ms f ar at bv cc ce ch cl cp ct cu cz hb hc ho ht hu hv hz in iq ja ju li or pc pm qb qt rm sc si ta tc ur yu i dr su c g s t "Kigali 01S55" a ak ar as b bo B1 B2 c cb ek gr i io iv iz k ka kd kh kl kp kr ku kv ky kz L m ma mg mm mr mt mu mv n nk nn no nv or p pe pk pt pv re ro rp rv s sa se sm so sp sr sv sy sz t to tv ty u uf us v vl vo xe xv xx ya ys yv yy b d gr gs h k s t v a r mh "Honiara 09S25" "Kranji 01N25" j v b g h ma s n "Pinheira 00N18" be pm "Rimavska Sobota 48N24" "Manzini/Mpangela Ranch 26S34" "Adra 33N27" "N'Djamena" b bm bv hy n u y o a s np bz ke mh s sf tb tu zz c e is m f h j k L m n p q s t y d z "Dhabbaya 24N11" k m be c k L m od x xx z lp m pc pe rb t tr a b ba bg bo bt c ch cu dx fa fb fc fd fe ff fg g hw jc k L LL lm m ma mi mo n nm no np o of q pr rl rs sc se sf v vs "Tashkent 41N13" a ta y b bt cm ct db dn hc hg hp hu kg L m mc nt pr pt py qp s t vt x xx T U a s L m E)tx"},
    {"mode", 11, "0 1 2 3 4 5 6 7 8 9"},
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

void addTables()
{
    static const QRegularExpression code(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("codes"); // by position, the empty code of "None" first
    for (const Table& table : tables) {
        QStringList codes = {QString()};
        for (const QRegularExpressionMatch& match : code.globalMatch(QString::fromUtf8(table.codes)))
            codes.append(match.captured(1) + match.captured(2));
        QTest::newRow(table.name) << QString::fromLatin1(table.name) << table.rows << codes;
    }
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
        QFETCH(QStringList, codes);
        const QList<CodeRow> table = readTable(name);
        if (name != QLatin1String("to")) // the To table follows its areas, see toRowsFollowAreas
            QCOMPARE(codesOf(name), codes); // a moved row is reported at its position
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
