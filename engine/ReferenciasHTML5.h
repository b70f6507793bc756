// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every named character reference of HTML, written by referencias_html5.py from
// Python's html.entities.html5: run the script again rather than editing this file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ConversionesTextoHTML::ReferenciasHTML5 {

struct Referencia {
    std::uint16_t Inicio;    // of the name in Nombres
    std::uint8_t Largo;      // of the name, without '&' and ';'
    std::uint8_t Forma;      // 1: also without ';'; above that, 2 * (1 + i) for Segundos[i]
    std::uint32_t Caracter;  // the (first) code point
};

inline constexpr std::size_t Nombrados = 2231;  // names, with and without ';'
inline constexpr std::size_t LargoMaximo = 31;
inline constexpr std::size_t LargoSinPuntoYComa = 6;

// The second code point of the references that have two.
inline constexpr std::array<char16_t, 8> Segundos{
    0x006A, 0x0331, 0x0333, 0x0338, 0x200A, 0x20D2, 0x20E5, 0xFE00,
};

// What the numeric references &#128; to &#159; give: Windows-1252's characters,
// and the code point itself where that code page has none.
inline constexpr std::array<char16_t, 32> DeC1{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The names one after another, alphabetically, and eight zeros to read past the last.
inline constexpr char Nombres[] =
    "AEligAMPAacuteAbreveAcircAcyAfrAgraveAlphaAmacrAndAogonAopfApplyFunctionAringAscrAssignAtildeAum"
    "lBackslashBarvBarwedBcyBecauseBernoullisBetaBfrBopfBreveBscrBumpeqCHcyCOPYCacuteCapCapitalDiffer"
    "entialDCayleysCcaronCcedilCcircCconintCdotCedillaCenterDotCfrChiCircleDotCircleMinusCirclePlusCi"
    "rcleTimesClockwiseContourIntegralCloseCurlyDoubleQuoteCloseCurlyQuoteColonColoneCongruentConintC"
    "ontourIntegralCopfCoproductCounterClockwiseContourIntegralCrossCscrCupCupCapDDDDotrahdDJcyDScyDZ"
    "cyDaggerDarrDashvDcaronDcyDelDeltaDfrDiacriticalAcuteDiacriticalDotDiacriticalDoubleAcuteDiacrit"
    "icalGraveDiacriticalTildeDiamondDifferentialDDopfDotDotDotDotEqualDoubleContourIntegralDoubleDot"
    "DoubleDownArrowDoubleLeftArrowDoubleLeftRightArrowDoubleLeftTeeDoubleLongLeftArrowDoubleLongLeft"
    "RightArrowDoubleLongRightArrowDoubleRightArrowDoubleRightTeeDoubleUpArrowDoubleUpDownArrowDouble"
    "VerticalBarDownArrowDownArrowBarDownArrowUpArrowDownBreveDownLeftRightVectorDownLeftTeeVectorDow"
    "nLeftVectorDownLeftVectorBarDownRightTeeVectorDownRightVectorDownRightVectorBarDownTeeDownTeeArr"
    "owDownarrowDscrDstrokENGETHEacuteEcaronEcircEcyEdotEfrEgraveElementEmacrEmptySmallSquareEmptyVer"
    "ySmallSquareEogonEopfEpsilonEqualEqualTildeEquilibriumEscrEsimEtaEumlExistsExponentialEFcyFfrFil"
    "ledSmallSquareFilledVerySmallSquareFopfForAllFouriertrfFscrGJcyGTGammaGammadGbreveGcedilGcircGcy"
    "GdotGfrGgGopfGreaterEqualGreaterEqualLessGreaterFullEqualGreaterGreaterGreaterLessGreaterSlantEq"
    "ualGreaterTildeGscrGtHARDcyHacekHatHcircHfrHilbertSpaceHopfHorizontalLineHscrHstrokHumpDownHumpH"
    "umpEqualIEcyIJligIOcyIacuteIcircIcyIdotIfrIgraveImImacrImaginaryIImpliesIntIntegralIntersectionI"
    "nvisibleCommaInvisibleTimesIogonIopfIotaIscrItildeIukcyIumlJcircJcyJfrJopfJscrJsercyJukcyKHcyKJc"
    "yKappaKcedilKcyKfrKopfKscrLJcyLTLacuteLambdaLangLaplacetrfLarrLcaronLcedilLcyLeftAngleBracketLef"
    "tArrowLeftArrowBarLeftArrowRightArrowLeftCeilingLeftDoubleBracketLeftDownTeeVectorLeftDownVector"
    "LeftDownVectorBarLeftFloorLeftRightArrowLeftRightVectorLeftTeeLeftTeeArrowLeftTeeVectorLeftTrian"
    "gleLeftTriangleBarLeftTriangleEqualLeftUpDownVectorLeftUpTeeVectorLeftUpVectorLeftUpVectorBarLef"
    "tVectorLeftVectorBarLeftarrowLeftrightarrowLessEqualGreaterLessFullEqualLessGreaterLessLessLessS"
    "lantEqualLessTildeLfrLlLleftarrowLmidotLongLeftArrowLongLeftRightArrowLongRightArrowLongleftarro"
    "wLongleftrightarrowLongrightarrowLopfLowerLeftArrowLowerRightArrowLscrLshLstrokLtMapMcyMediumSpa"
    "ceMellintrfMfrMinusPlusMopfMscrMuNJcyNacuteNcaronNcedilNcyNegativeMediumSpaceNegativeThickSpaceN"
    "egativeThinSpaceNegativeVeryThinSpaceNestedGreaterGreaterNestedLessLessNewLineNfrNoBreakNonBreak"
    "ingSpaceNopfNotNotCongruentNotCupCapNotDoubleVerticalBarNotElementNotEqualNotEqualTildeNotExists"
    "NotGreaterNotGreaterEqualNotGreaterFullEqualNotGreaterGreaterNotGreaterLessNotGreaterSlantEqualN"
    "otGreaterTildeNotHumpDownHumpNotHumpEqualNotLeftTriangleNotLeftTriangleBarNotLeftTriangleEqualNo"
    "tLessNotLessEqualNotLessGreaterNotLessLessNotLessSlantEqualNotLessTildeNotNestedGreaterGreaterNo"
    "tNestedLessLessNotPrecedesNotPrecedesEqualNotPrecedesSlantEqualNotReverseElementNotRightTriangle"
    "NotRightTriangleBarNotRightTriangleEqualNotSquareSubsetNotSquareSubsetEqualNotSquareSupersetNotS"
    "quareSupersetEqualNotSubsetNotSubsetEqualNotSucceedsNotSucceedsEqualNotSucceedsSlantEqualNotSucc"
    "eedsTildeNotSupersetNotSupersetEqualNotTildeNotTildeEqualNotTildeFullEqualNotTildeTildeNotVertic"
    "alBarNscrNtildeNuOEligOacuteOcircOcyOdblacOfrOgraveOmacrOmegaOmicronOopfOpenCurlyDoubleQuoteOpen"
    "CurlyQuoteOrOscrOslashOtildeOtimesOumlOverBarOverBraceOverBracketOverParenthesisPartialDPcyPfrPh"
    "iPiPlusMinusPoincareplanePopfPrPrecedesPrecedesEqualPrecedesSlantEqualPrecedesTildePrimeProductP"
    "roportionProportionalPscrPsiQUOTQfrQopfQscrRBarrREGRacuteRangRarrRarrtlRcaronRcedilRcyReReverseE"
    "lementReverseEquilibriumReverseUpEquilibriumRfrRhoRightAngleBracketRightArrowRightArrowBarRightA"
    "rrowLeftArrowRightCeilingRightDoubleBracketRightDownTeeVectorRightDownVectorRightDownVectorBarRi"
    "ghtFloorRightTeeRightTeeArrowRightTeeVectorRightTriangleRightTriangleBarRightTriangleEqualRightU"
    "pDownVectorRightUpTeeVectorRightUpVectorRightUpVectorBarRightVectorRightVectorBarRightarrowRopfR"
    "oundImpliesRrightarrowRscrRshRuleDelayedSHCHcySHcySOFTcySacuteScScaronScedilScircScySfrShortDown"
    "ArrowShortLeftArrowShortRightArrowShortUpArrowSigmaSmallCircleSopfSqrtSquareSquareIntersectionSq"
    "uareSubsetSquareSubsetEqualSquareSupersetSquareSupersetEqualSquareUnionSscrStarSubSubsetSubsetEq"
    "ualSucceedsSucceedsEqualSucceedsSlantEqualSucceedsTildeSuchThatSumSupSupersetSupersetEqualSupset"
    "THORNTRADETSHcyTScyTabTauTcaronTcedilTcyTfrThereforeThetaThickSpaceThinSpaceTildeTildeEqualTilde"
    "FullEqualTildeTildeTopfTripleDotTscrTstrokUacuteUarrUarrocirUbrcyUbreveUcircUcyUdblacUfrUgraveUm"
    "acrUnderBarUnderBraceUnderBracketUnderParenthesisUnionUnionPlusUogonUopfUpArrowUpArrowBarUpArrow"
    "DownArrowUpDownArrowUpEquilibriumUpTeeUpTeeArrowUparrowUpdownarrowUpperLeftArrowUpperRightArrowU"
    "psiUpsilonUringUscrUtildeUumlVDashVbarVcyVdashVdashlVeeVerbarVertVerticalBarVerticalLineVertical"
    "SeparatorVerticalTildeVeryThinSpaceVfrVopfVscrVvdashWcircWedgeWfrWopfWscrXfrXiXopfXscrYAcyYIcyYU"
    "cyYacuteYcircYcyYfrYopfYscrYumlZHcyZacuteZcaronZcyZdotZeroWidthSpaceZetaZfrZopfZscraacuteabrevea"
    "cacEacdacircacuteacyaeligafafragravealefsymalephalphaamacramalgampandandandanddandslopeandvangan"
    "geangleangmsdangmsdaaangmsdabangmsdacangmsdadangmsdaeangmsdafangmsdagangmsdahangrtangrtvbangrtvb"
    "dangsphangstangzarraogonaopfapapEapacirapeapidaposapproxapproxeqaringascrastasympasympeqatildeau"
    "mlawconintawintbNotbackcongbackepsilonbackprimebacksimbacksimeqbarveebarwedbarwedgebbrkbbrktbrkb"
    "congbcybdquobecausbecausebemptyvbepsibernoubetabethbetweenbfrbigcapbigcircbigcupbigodotbigoplusb"
    "igotimesbigsqcupbigstarbigtriangledownbigtriangleupbiguplusbigveebigwedgebkarowblacklozengeblack"
    "squareblacktriangleblacktriangledownblacktriangleleftblacktrianglerightblankblk12blk14blk34block"
    "bnebnequivbnotbopfbotbottombowtieboxDLboxDRboxDlboxDrboxHboxHDboxHUboxHdboxHuboxULboxURboxUlboxU"
    "rboxVboxVHboxVLboxVRboxVhboxVlboxVrboxboxboxdLboxdRboxdlboxdrboxhboxhDboxhUboxhdboxhuboxminusbox"
    "plusboxtimesboxuLboxuRboxulboxurboxvboxvHboxvLboxvRboxvhboxvlboxvrbprimebrevebrvbarbscrbsemibsim"
    "bsimebsolbsolbbsolhsubbullbulletbumpbumpEbumpebumpeqcacutecapcapandcapbrcupcapcapcapcupcapdotcap"
    "scaretcaronccapsccaronccedilccircccupsccupssmcdotcedilcemptyvcentcenterdotcfrchcycheckcheckmarkc"
    "hicircirEcirccirceqcirclearrowleftcirclearrowrightcircledRcircledScircledastcircledcirccircledda"
    "shcirecirfnintcirmidcirscirclubsclubsuitcoloncolonecoloneqcommacommatcompcompfncomplementcomplex"
    "escongcongdotconintcopfcoprodcopycopysrcrarrcrosscscrcsubcsubecsupcsupectdotcudarrlcudarrrcueprc"
    "uesccularrcularrpcupcupbrcapcupcapcupcupcupdotcuporcupscurarrcurarrmcurlyeqpreccurlyeqsucccurlyv"
    "eecurlywedgecurrencurvearrowleftcurvearrowrightcuveecuwedcwconintcwintcylctydArrdHardaggerdaleth"
    "darrdashdashvdbkarowdblacdcarondcyddddaggerddarrddotseqdegdeltademptyvdfishtdfrdharldharrdiamdia"
    "monddiamondsuitdiamsdiedigammadisindivdividedivideontimesdivonxdjcydlcorndlcropdollardopfdotdote"
    "qdoteqdotdotminusdotplusdotsquaredoublebarwedgedownarrowdowndownarrowsdownharpoonleftdownharpoon"
    "rightdrbkarowdrcorndrcropdscrdscydsoldstrokdtdotdtridtrifduarrduhardwangledzcydzigrarreDDoteDote"
    "acuteeasterecaronecirecircecolonecyedoteeefDotefregegraveegsegsdotelelintersellelselsdotemacremp"
    "tyemptysetemptyvemspemsp13emsp14engenspeogoneopfepareparsleplusepsiepsilonepsiveqcirceqcoloneqsi"
    "meqslantgtreqslantlessequalsequestequivequivDDeqvparslerDoterarrescresdotesimetaetheumleuroexcle"
    "xistexpectationexponentialefallingdotseqfcyfemaleffiligffligfflligffrfiligfjligflatflligfltnsfno"
    "ffopfforallforkforkvfpartintfrac12frac13frac14frac15frac16frac18frac23frac25frac34frac35frac38fr"
    "ac45frac56frac58frac78fraslfrownfscrgEgElgacutegammagammadgapgbrevegcircgcygdotgegelgeqgeqqgeqsl"
    "antgesgesccgesdotgesdotogesdotolgeslgeslesgfrggggggimelgjcyglglEglagljgnEgnapgnapproxgnegneqgneq"
    "qgnsimgopfgravegscrgsimgsimegsimlgtgtccgtcirgtdotgtlPargtquestgtrapproxgtrarrgtrdotgtreqlessgtre"
    "qqlessgtrlessgtrsimgvertneqqgvnEhArrhairsphalfhamilthardcyharrharrcirharrwhbarhcircheartsheartsu"
    "ithellipherconhfrhksearowhkswarowhoarrhomththookleftarrowhookrightarrowhopfhorbarhscrhslashhstro"
    "khybullhypheniacuteicicircicyiecyiexcliffifrigraveiiiiiintiiintiinfiniiotaijligimacrimageimaglin"
    "eimagpartimathimofimpedinincareinfininfintieinodotintintcalintegersintercalintlarhkintprodiocyio"
    "goniopfiotaiprodiquestiscrisinisinEisindotisinsisinsvisinvititildeiukcyiumljcircjcyjfrjmathjopfj"
    "scrjsercyjukcykappakappavkcedilkcykfrkgreenkhcykjcykopfkscrlAarrlArrlAtaillBarrlElEglHarlacutela"
    "emptyvlagranlambdalanglangdlanglelaplaquolarrlarrblarrbfslarrfslarrhklarrlplarrpllarrsimlarrtlla"
    "tlataillatelateslbarrlbbrklbracelbracklbrkelbrksldlbrkslulcaronlcedillceillcublcyldcaldquoldquor"
    "ldrdharldrusharldshleleftarrowleftarrowtailleftharpoondownleftharpoonupleftleftarrowsleftrightar"
    "rowleftrightarrowsleftrightharpoonsleftrightsquigarrowleftthreetimeslegleqleqqleqslantleslesccle"
    "sdotlesdotolesdotorlesglesgeslessapproxlessdotlesseqgtrlesseqqgtrlessgtrlesssimlfishtlfloorlfrlg"
    "lgElhardlharulharullhblkljcyllllarrllcornerllhardlltrilmidotlmoustlmoustachelnElnaplnapproxlneln"
    "eqlneqqlnsimloangloarrlobrklongleftarrowlongleftrightarrowlongmapstolongrightarrowlooparrowleftl"
    "ooparrowrightloparlopflopluslotimeslowastlowbarlozlozengelozflparlparltlrarrlrcornerlrharlrhardl"
    "rmlrtrilsaquolscrlshlsimlsimelsimglsqblsquolsquorlstrokltltccltcirltdotlthreeltimesltlarrltquest"
    "ltrParltriltrieltriflurdsharluruharlvertneqqlvnEmDDotmacrmalemaltmaltesemapmapstomapstodownmapst"
    "oleftmapstoupmarkermcommamcymdashmeasuredanglemfrmhomicromidmidastmidcirmiddotminusminusbminusdm"
    "inusdumlcpmldrmnplusmodelsmopfmpmscrmstposmumultimapmumapnGgnGtnGtvnLeftarrownLeftrightarrownLln"
    "LtnLtvnRightarrownVDashnVdashnablanacutenangnapnapEnapidnaposnapproxnaturnaturalnaturalsnbspnbum"
    "pnbumpencapncaronncedilncongncongdotncupncyndashneneArrnearhknearrnearrownedotnequivnesearnesimn"
    "existnexistsnfrngEngengeqngeqqngeqslantngesngsimngtngtrnhArrnharrnhparninisnisdnivnjcynlArrnlEnl"
    "arrnldrnlenleftarrownleftrightarrownleqnleqqnleqslantnlesnlessnlsimnltnltrinltrienmidnopfnotnoti"
    "nnotinEnotindotnotinvanotinvbnotinvcnotninotnivanotnivbnotnivcnparnparallelnparslnpartnpolintnpr"
    "nprcuenprenprecnpreceqnrArrnrarrnrarrcnrarrwnrightarrownrtrinrtrienscnsccuenscenscrnshortmidnsho"
    "rtparallelnsimnsimensimeqnsmidnsparnsqsubensqsupensubnsubEnsubensubsetnsubseteqnsubseteqqnsuccns"
    "ucceqnsupnsupEnsupensupsetnsupseteqnsupseteqqntglntildentlgntriangleleftntrianglelefteqntriangle"
    "rightntrianglerighteqnunumnumeronumspnvDashnvHarrnvapnvdashnvgenvgtnvinfinnvlArrnvlenvltnvltrien"
    "vrArrnvrtrienvsimnwArrnwarhknwarrnwarrownwnearoSoacuteoastocirocircocyodashodblacodivodotodsoldo"
    "eligofcirofrogonograveogtohbarohmointolarrolcirolcrossolineoltomacromegaomicronomidominusoopfopa"
    "roperpoplusororarrordorderorderofordfordmorigoforororslopeorvoscroslashosolotildeotimesotimesaso"
    "umlovbarparparaparallelparsimparslpartpcypercntperiodpermilperppertenkpfrphiphivphmmatphonepipit"
    "chforkpivplanckplanckhplankvplusplusacirplusbpluscirplusdoplusdupluseplusmnplussimplustwopmpoint"
    "intpopfpoundprprEprapprcuepreprecprecapproxpreccurlyeqpreceqprecnapproxprecneqqprecnsimprecsimpr"
    "imeprimesprnEprnapprnsimprodprofalarproflineprofsurfpropproptoprsimprurelpscrpsipuncspqfrqintqop"
    "fqprimeqscrquaternionsquatintquestquesteqquotrAarrrArrrAtailrBarrrHarraceracuteradicraemptyvrang"
    "rangdrangerangleraquorarrrarraprarrbrarrbfsrarrcrarrfsrarrhkrarrlprarrplrarrsimrarrtlrarrwratail"
    "ratiorationalsrbarrrbbrkrbracerbrackrbrkerbrksldrbrkslurcaronrcedilrceilrcubrcyrdcardldharrdquor"
    "dquorrdshrealrealinerealpartrealsrectregrfishtrfloorrfrrhardrharurharulrhorhovrightarrowrightarr"
    "owtailrightharpoondownrightharpoonuprightleftarrowsrightleftharpoonsrightrightarrowsrightsquigar"
    "rowrightthreetimesringrisingdotseqrlarrrlharrlmrmoustrmoustachernmidroangroarrrobrkroparropfropl"
    "usrotimesrparrpargtrppolintrrarrrsaquorscrrshrsqbrsquorsquorrthreertimesrtrirtriertrifrtriltriru"
    "luharrxsacutesbquoscscEscapscaronsccuescescedilscircscnEscnapscnsimscpolintscsimscysdotsdotbsdot"
    "eseArrsearhksearrsearrowsectsemiseswarsetminussetmnsextsfrsfrownsharpshchcyshcyshortmidshortpara"
    "llelshysigmasigmafsigmavsimsimdotsimesimeqsimgsimgEsimlsimlEsimnesimplussimrarrslarrsmallsetminu"
    "ssmashpsmeparslsmidsmilesmtsmtesmtessoftcysolsolbsolbarsopfspadesspadesuitsparsqcapsqcapssqcupsq"
    "cupssqsubsqsubesqsubsetsqsubseteqsqsupsqsupesqsupsetsqsupseteqsqusquaresquarfsqufsrarrsscrssetmn"
    "ssmilesstarfstarstarfstraightepsilonstraightphistrnssubsubEsubdotsubesubedotsubmultsubnEsubnesub"
    "plussubrarrsubsetsubseteqsubseteqqsubsetneqsubsetneqqsubsimsubsubsubsupsuccsuccapproxsucccurlyeq"
    "succeqsuccnapproxsuccneqqsuccnsimsuccsimsumsungsupsup1sup2sup3supEsupdotsupdsubsupesupedotsuphso"
    "lsuphsubsuplarrsupmultsupnEsupnesupplussupsetsupseteqsupseteqqsupsetneqsupsetneqqsupsimsupsubsup"
    "supswArrswarhkswarrswarrowswnwarszligtargettautbrktcarontcediltcytdottelrectfrthere4thereforethe"
    "tathetasymthetavthickapproxthicksimthinspthkapthksimthorntildetimestimesbtimesbartimesdtinttoeat"
    "optopbottopcirtopftopforktosatprimetradetriangletriangledowntrianglelefttrianglelefteqtriangleqt"
    "rianglerighttrianglerighteqtridottrietriminustriplustrisbtritimetrpeziumtscrtscytshcytstroktwixt"
    "twoheadleftarrowtwoheadrightarrowuArruHaruacuteuarrubrcyubreveucircucyudarrudblacudharufishtufru"
    "graveuharluharruhblkulcornulcornerulcropultriumacrumluogonuopfuparrowupdownarrowupharpoonleftuph"
    "arpoonrightuplusupsiupsihupsilonupuparrowsurcornurcornerurcropuringurtriuscrutdotutildeutriutrif"
    "uuarruumluwanglevArrvBarvBarvvDashvangrtvarepsilonvarkappavarnothingvarphivarpivarproptovarrvarr"
    "hovarsigmavarsubsetneqvarsubsetneqqvarsupsetneqvarsupsetneqqvarthetavartriangleleftvartriangleri"
    "ghtvcyvdashveeveebarveeeqvellipverbarvertvfrvltrivnsubvnsupvopfvpropvrtrivscrvsubnEvsubnevsupnEv"
    "supnevzigzagwcircwedbarwedgewedgeqweierpwfrwopfwpwrwreathwscrxcapxcircxcupxdtrixfrxhArrxharrxixl"
    "ArrxlarrxmapxnisxodotxopfxoplusxotimexrArrxrarrxscrxsqcupxuplusxutrixveexwedgeyacuteyacyycircycy"
    "yenyfryicyyopfyscryucyyumlzacutezcaronzcyzdotzeetrfzetazfrzhcyzigrarrzopfzscrzwjzwnj" "\0\0\0\0\0\0\0";

inline constexpr std::array<Referencia, 2125> Tabla{{
    {0, 5, 1, 0x00C6},  // AElig
    {5, 3, 1, 0x0026},  // AMP
    {8, 6, 1, 0x00C1},  // Aacute
    {14, 6, 0, 0x0102},  // Abreve
    {20, 5, 1, 0x00C2},  // Acirc
    {25, 3, 0, 0x0410},  // Acy
    {28, 3, 0, 0x1D504},  // Afr
    {31, 6, 1, 0x00C0},  // Agrave
    {37, 5, 0, 0x0391},  // Alpha
    {42, 5, 0, 0x0100},  // Amacr
    {47, 3, 0, 0x2A53},  // And
    {50, 5, 0, 0x0104},  // Aogon
    {55, 4, 0, 0x1D538},  // Aopf
    {59, 13, 0, 0x2061},  // ApplyFunction
    {72, 5, 1, 0x00C5},  // Aring
    {77, 4, 0, 0x1D49C},  // Ascr
    {81, 6, 0, 0x2254},  // Assign
    {87, 6, 1, 0x00C3},  // Atilde
    {93, 4, 1, 0x00C4},  // Auml
    {97, 9, 0, 0x2216},  // Backslash
    {106, 4, 0, 0x2AE7},  // Barv
    {110, 6, 0, 0x2306},  // Barwed
    {116, 3, 0, 0x0411},  // Bcy
    {119, 7, 0, 0x2235},  // Because
    {126, 10, 0, 0x212C},  // Bernoullis
    {136, 4, 0, 0x0392},  // Beta
    {140, 3, 0, 0x1D505},  // Bfr
    {143, 4, 0, 0x1D539},  // Bopf
    {147, 5, 0, 0x02D8},  // Breve
    {152, 4, 0, 0x212C},  // Bscr
    {156, 6, 0, 0x224E},  // Bumpeq
    {162, 4, 0, 0x0427},  // CHcy
    {166, 4, 1, 0x00A9},  // COPY
    {170, 6, 0, 0x0106},  // Cacute
    {176, 3, 0, 0x22D2},  // Cap
    {179, 20, 0, 0x2145},  // CapitalDifferentialD
    {199, 7, 0, 0x212D},  // Cayleys
    {206, 6, 0, 0x010C},  // Ccaron
    {212, 6, 1, 0x00C7},  // Ccedil
    {218, 5, 0, 0x0108},  // Ccirc
    {223, 7, 0, 0x2230},  // Cconint
    {230, 4, 0, 0x010A},  // Cdot
    {234, 7, 0, 0x00B8},  // Cedilla
    {241, 9, 0, 0x00B7},  // CenterDot
    {250, 3, 0, 0x212D},  // Cfr
    {253, 3, 0, 0x03A7},  // Chi
    {256, 9, 0, 0x2299},  // CircleDot
    {265, 11, 0, 0x2296},  // CircleMinus
    {276, 10, 0, 0x2295},  // CirclePlus
    {286, 11, 0, 0x2297},  // CircleTimes
    {297, 24, 0, 0x2232},  // ClockwiseContourIntegral
    {321, 21, 0, 0x201D},  // CloseCurlyDoubleQuote
    {342, 15, 0, 0x2019},  // CloseCurlyQuote
    {357, 5, 0, 0x2237},  // Colon
    {362, 6, 0, 0x2A74},  // Colone
    {368, 9, 0, 0x2261},  // Congruent
    {377, 6, 0, 0x222F},  // Conint
    {383, 15, 0, 0x222E},  // ContourIntegral
    {398, 4, 0, 0x2102},  // Copf
    {402, 9, 0, 0x2210},  // Coproduct
    {411, 31, 0, 0x2233},  // CounterClockwiseContourIntegral
    {442, 5, 0, 0x2A2F},  // Cross
    {447, 4, 0, 0x1D49E},  // Cscr
    {451, 3, 0, 0x22D3},  // Cup
    {454, 6, 0, 0x224D},  // CupCap
    {460, 2, 0, 0x2145},  // DD
    {462, 8, 0, 0x2911},  // DDotrahd
    {470, 4, 0, 0x0402},  // DJcy
    {474, 4, 0, 0x0405},  // DScy
    {478, 4, 0, 0x040F},  // DZcy
    {482, 6, 0, 0x2021},  // Dagger
    {488, 4, 0, 0x21A1},  // Darr
    {492, 5, 0, 0x2AE4},  // Dashv
    {497, 6, 0, 0x010E},  // Dcaron
    {503, 3, 0, 0x0414},  // Dcy
    {506, 3, 0, 0x2207},  // Del
    {509, 5, 0, 0x0394},  // Delta
    {514, 3, 0, 0x1D507},  // Dfr
    {517, 16, 0, 0x00B4},  // DiacriticalAcute
    {533, 14, 0, 0x02D9},  // DiacriticalDot
    {547, 22, 0, 0x02DD},  // DiacriticalDoubleAcute
    {569, 16, 0, 0x0060},  // DiacriticalGrave
    {585, 16, 0, 0x02DC},  // DiacriticalTilde
    {601, 7, 0, 0x22C4},  // Diamond
    {608, 13, 0, 0x2146},  // DifferentialD
    {621, 4, 0, 0x1D53B},  // Dopf
    {625, 3, 0, 0x00A8},  // Dot
    {628, 6, 0, 0x20DC},  // DotDot
    {634, 8, 0, 0x2250},  // DotEqual
    {642, 21, 0, 0x222F},  // DoubleContourIntegral
    {663, 9, 0, 0x00A8},  // DoubleDot
    {672, 15, 0, 0x21D3},  // DoubleDownArrow
    {687, 15, 0, 0x21D0},  // DoubleLeftArrow
    {702, 20, 0, 0x21D4},  // DoubleLeftRightArrow
    {722, 13, 0, 0x2AE4},  // DoubleLeftTee
    {735, 19, 0, 0x27F8},  // DoubleLongLeftArrow
    {754, 24, 0, 0x27FA},  // DoubleLongLeftRightArrow
    {778, 20, 0, 0x27F9},  // DoubleLongRightArrow
    {798, 16, 0, 0x21D2},  // DoubleRightArrow
    {814, 14, 0, 0x22A8},  // DoubleRightTee
    {828, 13, 0, 0x21D1},  // DoubleUpArrow
    {841, 17, 0, 0x21D5},  // DoubleUpDownArrow
    {858, 17, 0, 0x2225},  // DoubleVerticalBar
    {875, 9, 0, 0x2193},  // DownArrow
    {884, 12, 0, 0x2913},  // DownArrowBar
    {896, 16, 0, 0x21F5},  // DownArrowUpArrow
    {912, 9, 0, 0x0311},  // DownBreve
    {921, 19, 0, 0x2950},  // DownLeftRightVector
    {940, 17, 0, 0x295E},  // DownLeftTeeVector
    {957, 14, 0, 0x21BD},  // DownLeftVector
    {971, 17, 0, 0x2956},  // DownLeftVectorBar
    {988, 18, 0, 0x295F},  // DownRightTeeVector
    {1006, 15, 0, 0x21C1},  // DownRightVector
    {1021, 18, 0, 0x2957},  // DownRightVectorBar
    {1039, 7, 0, 0x22A4},  // DownTee
    {1046, 12, 0, 0x21A7},  // DownTeeArrow
    {1058, 9, 0, 0x21D3},  // Downarrow
    {1067, 4, 0, 0x1D49F},  // Dscr
    {1071, 6, 0, 0x0110},  // Dstrok
    {1077, 3, 0, 0x014A},  // ENG
    {1080, 3, 1, 0x00D0},  // ETH
    {1083, 6, 1, 0x00C9},  // Eacute
    {1089, 6, 0, 0x011A},  // Ecaron
    {1095, 5, 1, 0x00CA},  // Ecirc
    {1100, 3, 0, 0x042D},  // Ecy
    {1103, 4, 0, 0x0116},  // Edot
    {1107, 3, 0, 0x1D508},  // Efr
    {1110, 6, 1, 0x00C8},  // Egrave
    {1116, 7, 0, 0x2208},  // Element
    {1123, 5, 0, 0x0112},  // Emacr
    {1128, 16, 0, 0x25FB},  // EmptySmallSquare
    {1144, 20, 0, 0x25AB},  // EmptyVerySmallSquare
    {1164, 5, 0, 0x0118},  // Eogon
    {1169, 4, 0, 0x1D53C},  // Eopf
    {1173, 7, 0, 0x0395},  // Epsilon
    {1180, 5, 0, 0x2A75},  // Equal
    {1185, 10, 0, 0x2242},  // EqualTilde
    {1195, 11, 0, 0x21CC},  // Equilibrium
    {1206, 4, 0, 0x2130},  // Escr
    {1210, 4, 0, 0x2A73},  // Esim
    {1214, 3, 0, 0x0397},  // Eta
    {1217, 4, 1, 0x00CB},  // Euml
    {1221, 6, 0, 0x2203},  // Exists
    {1227, 12, 0, 0x2147},  // ExponentialE
    {1239, 3, 0, 0x0424},  // Fcy
    {1242, 3, 0, 0x1D509},  // Ffr
    {1245, 17, 0, 0x25FC},  // FilledSmallSquare
    {1262, 21, 0, 0x25AA},  // FilledVerySmallSquare
    {1283, 4, 0, 0x1D53D},  // Fopf
    {1287, 6, 0, 0x2200},  // ForAll
    {1293, 10, 0, 0x2131},  // Fouriertrf
    {1303, 4, 0, 0x2131},  // Fscr
    {1307, 4, 0, 0x0403},  // GJcy
    {1311, 2, 1, 0x003E},  // GT
    {1313, 5, 0, 0x0393},  // Gamma
    {1318, 6, 0, 0x03DC},  // Gammad
    {1324, 6, 0, 0x011E},  // Gbreve
    {1330, 6, 0, 0x0122},  // Gcedil
    {1336, 5, 0, 0x011C},  // Gcirc
    {1341, 3, 0, 0x0413},  // Gcy
    {1344, 4, 0, 0x0120},  // Gdot
    {1348, 3, 0, 0x1D50A},  // Gfr
    {1351, 2, 0, 0x22D9},  // Gg
    {1353, 4, 0, 0x1D53E},  // Gopf
    {1357, 12, 0, 0x2265},  // GreaterEqual
    {1369, 16, 0, 0x22DB},  // GreaterEqualLess
    {1385, 16, 0, 0x2267},  // GreaterFullEqual
    {1401, 14, 0, 0x2AA2},  // GreaterGreater
    {1415, 11, 0, 0x2277},  // GreaterLess
    {1426, 17, 0, 0x2A7E},  // GreaterSlantEqual
    {1443, 12, 0, 0x2273},  // GreaterTilde
    {1455, 4, 0, 0x1D4A2},  // Gscr
    {1459, 2, 0, 0x226B},  // Gt
    {1461, 6, 0, 0x042A},  // HARDcy
    {1467, 5, 0, 0x02C7},  // Hacek
    {1472, 3, 0, 0x005E},  // Hat
    {1475, 5, 0, 0x0124},  // Hcirc
    {1480, 3, 0, 0x210C},  // Hfr
    {1483, 12, 0, 0x210B},  // HilbertSpace
    {1495, 4, 0, 0x210D},  // Hopf
    {1499, 14, 0, 0x2500},  // HorizontalLine
    {1513, 4, 0, 0x210B},  // Hscr
    {1517, 6, 0, 0x0126},  // Hstrok
    {1523, 12, 0, 0x224E},  // HumpDownHump
    {1535, 9, 0, 0x224F},  // HumpEqual
    {1544, 4, 0, 0x0415},  // IEcy
    {1548, 5, 0, 0x0132},  // IJlig
    {1553, 4, 0, 0x0401},  // IOcy
    {1557, 6, 1, 0x00CD},  // Iacute
    {1563, 5, 1, 0x00CE},  // Icirc
    {1568, 3, 0, 0x0418},  // Icy
    {1571, 4, 0, 0x0130},  // Idot
    {1575, 3, 0, 0x2111},  // Ifr
    {1578, 6, 1, 0x00CC},  // Igrave
    {1584, 2, 0, 0x2111},  // Im
    {1586, 5, 0, 0x012A},  // Imacr
    {1591, 10, 0, 0x2148},  // ImaginaryI
    {1601, 7, 0, 0x21D2},  // Implies
    {1608, 3, 0, 0x222C},  // Int
    {1611, 8, 0, 0x222B},  // Integral
    {1619, 12, 0, 0x22C2},  // Intersection
    {1631, 14, 0, 0x2063},  // InvisibleComma
    {1645, 14, 0, 0x2062},  // InvisibleTimes
    {1659, 5, 0, 0x012E},  // Iogon
    {1664, 4, 0, 0x1D540},  // Iopf
    {1668, 4, 0, 0x0399},  // Iota
    {1672, 4, 0, 0x2110},  // Iscr
    {1676, 6, 0, 0x0128},  // Itilde
    {1682, 5, 0, 0x0406},  // Iukcy
    {1687, 4, 1, 0x00CF},  // Iuml
    {1691, 5, 0, 0x0134},  // Jcirc
    {1696, 3, 0, 0x0419},  // Jcy
    {1699, 3, 0, 0x1D50D},  // Jfr
    {1702, 4, 0, 0x1D541},  // Jopf
    {1706, 4, 0, 0x1D4A5},  // Jscr
    {1710, 6, 0, 0x0408},  // Jsercy
    {1716, 5, 0, 0x0404},  // Jukcy
    {1721, 4, 0, 0x0425},  // KHcy
    {1725, 4, 0, 0x040C},  // KJcy
    {1729, 5, 0, 0x039A},  // Kappa
    {1734, 6, 0, 0x0136},  // Kcedil
    {1740, 3, 0, 0x041A},  // Kcy
    {1743, 3, 0, 0x1D50E},  // Kfr
    {1746, 4, 0, 0x1D542},  // Kopf
    {1750, 4, 0, 0x1D4A6},  // Kscr
    {1754, 4, 0, 0x0409},  // LJcy
    {1758, 2, 1, 0x003C},  // LT
    {1760, 6, 0, 0x0139},  // Lacute
    {1766, 6, 0, 0x039B},  // Lambda
    {1772, 4, 0, 0x27EA},  // Lang
    {1776, 10, 0, 0x2112},  // Laplacetrf
    {1786, 4, 0, 0x219E},  // Larr
    {1790, 6, 0, 0x013D},  // Lcaron
    {1796, 6, 0, 0x013B},  // Lcedil
    {1802, 3, 0, 0x041B},  // Lcy
    {1805, 16, 0, 0x27E8},  // LeftAngleBracket
    {1821, 9, 0, 0x2190},  // LeftArrow
    {1830, 12, 0, 0x21E4},  // LeftArrowBar
    {1842, 19, 0, 0x21C6},  // LeftArrowRightArrow
    {1861, 11, 0, 0x2308},  // LeftCeiling
    {1872, 17, 0, 0x27E6},  // LeftDoubleBracket
    {1889, 17, 0, 0x2961},  // LeftDownTeeVector
    {1906, 14, 0, 0x21C3},  // LeftDownVector
    {1920, 17, 0, 0x2959},  // LeftDownVectorBar
    {1937, 9, 0, 0x230A},  // LeftFloor
    {1946, 14, 0, 0x2194},  // LeftRightArrow
    {1960, 15, 0, 0x294E},  // LeftRightVector
    {1975, 7, 0, 0x22A3},  // LeftTee
    {1982, 12, 0, 0x21A4},  // LeftTeeArrow
    {1994, 13, 0, 0x295A},  // LeftTeeVector
    {2007, 12, 0, 0x22B2},  // LeftTriangle
    {2019, 15, 0, 0x29CF},  // LeftTriangleBar
    {2034, 17, 0, 0x22B4},  // LeftTriangleEqual
    {2051, 16, 0, 0x2951},  // LeftUpDownVector
    {2067, 15, 0, 0x2960},  // LeftUpTeeVector
    {2082, 12, 0, 0x21BF},  // LeftUpVector
    {2094, 15, 0, 0x2958},  // LeftUpVectorBar
    {2109, 10, 0, 0x21BC},  // LeftVector
    {2119, 13, 0, 0x2952},  // LeftVectorBar
    {2132, 9, 0, 0x21D0},  // Leftarrow
    {2141, 14, 0, 0x21D4},  // Leftrightarrow
    {2155, 16, 0, 0x22DA},  // LessEqualGreater
    {2171, 13, 0, 0x2266},  // LessFullEqual
    {2184, 11, 0, 0x2276},  // LessGreater
    {2195, 8, 0, 0x2AA1},  // LessLess
    {2203, 14, 0, 0x2A7D},  // LessSlantEqual
    {2217, 9, 0, 0x2272},  // LessTilde
    {2226, 3, 0, 0x1D50F},  // Lfr
    {2229, 2, 0, 0x22D8},  // Ll
    {2231, 10, 0, 0x21DA},  // Lleftarrow
    {2241, 6, 0, 0x013F},  // Lmidot
    {2247, 13, 0, 0x27F5},  // LongLeftArrow
    {2260, 18, 0, 0x27F7},  // LongLeftRightArrow
    {2278, 14, 0, 0x27F6},  // LongRightArrow
    {2292, 13, 0, 0x27F8},  // Longleftarrow
    {2305, 18, 0, 0x27FA},  // Longleftrightarrow
    {2323, 14, 0, 0x27F9},  // Longrightarrow
    {2337, 4, 0, 0x1D543},  // Lopf
    {2341, 14, 0, 0x2199},  // LowerLeftArrow
    {2355, 15, 0, 0x2198},  // LowerRightArrow
    {2370, 4, 0, 0x2112},  // Lscr
    {2374, 3, 0, 0x21B0},  // Lsh
    {2377, 6, 0, 0x0141},  // Lstrok
    {2383, 2, 0, 0x226A},  // Lt
    {2385, 3, 0, 0x2905},  // Map
    {2388, 3, 0, 0x041C},  // Mcy
    {2391, 11, 0, 0x205F},  // MediumSpace
    {2402, 9, 0, 0x2133},  // Mellintrf
    {2411, 3, 0, 0x1D510},  // Mfr
    {2414, 9, 0, 0x2213},  // MinusPlus
    {2423, 4, 0, 0x1D544},  // Mopf
    {2427, 4, 0, 0x2133},  // Mscr
    {2431, 2, 0, 0x039C},  // Mu
    {2433, 4, 0, 0x040A},  // NJcy
    {2437, 6, 0, 0x0143},  // Nacute
    {2443, 6, 0, 0x0147},  // Ncaron
    {2449, 6, 0, 0x0145},  // Ncedil
    {2455, 3, 0, 0x041D},  // Ncy
    {2458, 19, 0, 0x200B},  // NegativeMediumSpace
    {2477, 18, 0, 0x200B},  // NegativeThickSpace
    {2495, 17, 0, 0x200B},  // NegativeThinSpace
    {2512, 21, 0, 0x200B},  // NegativeVeryThinSpace
    {2533, 20, 0, 0x226B},  // NestedGreaterGreater
    {2553, 14, 0, 0x226A},  // NestedLessLess
    {2567, 7, 0, 0x000A},  // NewLine
    {2574, 3, 0, 0x1D511},  // Nfr
    {2577, 7, 0, 0x2060},  // NoBreak
    {2584, 16, 0, 0x00A0},  // NonBreakingSpace
    {2600, 4, 0, 0x2115},  // Nopf
    {2604, 3, 0, 0x2AEC},  // Not
    {2607, 12, 0, 0x2262},  // NotCongruent
    {2619, 9, 0, 0x226D},  // NotCupCap
    {2628, 20, 0, 0x2226},  // NotDoubleVerticalBar
    {2648, 10, 0, 0x2209},  // NotElement
    {2658, 8, 0, 0x2260},  // NotEqual
    {2666, 13, 8, 0x2242},  // NotEqualTilde
    {2679, 9, 0, 0x2204},  // NotExists
    {2688, 10, 0, 0x226F},  // NotGreater
    {2698, 15, 0, 0x2271},  // NotGreaterEqual
    {2713, 19, 8, 0x2267},  // NotGreaterFullEqual
    {2732, 17, 8, 0x226B},  // NotGreaterGreater
    {2749, 14, 0, 0x2279},  // NotGreaterLess
    {2763, 20, 8, 0x2A7E},  // NotGreaterSlantEqual
    {2783, 15, 0, 0x2275},  // NotGreaterTilde
    {2798, 15, 8, 0x224E},  // NotHumpDownHump
    {2813, 12, 8, 0x224F},  // NotHumpEqual
    {2825, 15, 0, 0x22EA},  // NotLeftTriangle
    {2840, 18, 8, 0x29CF},  // NotLeftTriangleBar
    {2858, 20, 0, 0x22EC},  // NotLeftTriangleEqual
    {2878, 7, 0, 0x226E},  // NotLess
    {2885, 12, 0, 0x2270},  // NotLessEqual
    {2897, 14, 0, 0x2278},  // NotLessGreater
    {2911, 11, 8, 0x226A},  // NotLessLess
    {2922, 17, 8, 0x2A7D},  // NotLessSlantEqual
    {2939, 12, 0, 0x2274},  // NotLessTilde
    {2951, 23, 8, 0x2AA2},  // NotNestedGreaterGreater
    {2974, 17, 8, 0x2AA1},  // NotNestedLessLess
    {2991, 11, 0, 0x2280},  // NotPrecedes
    {3002, 16, 8, 0x2AAF},  // NotPrecedesEqual
    {3018, 21, 0, 0x22E0},  // NotPrecedesSlantEqual
    {3039, 17, 0, 0x220C},  // NotReverseElement
    {3056, 16, 0, 0x22EB},  // NotRightTriangle
    {3072, 19, 8, 0x29D0},  // NotRightTriangleBar
    {3091, 21, 0, 0x22ED},  // NotRightTriangleEqual
    {3112, 15, 8, 0x228F},  // NotSquareSubset
    {3127, 20, 0, 0x22E2},  // NotSquareSubsetEqual
    {3147, 17, 8, 0x2290},  // NotSquareSuperset
    {3164, 22, 0, 0x22E3},  // NotSquareSupersetEqual
    {3186, 9, 12, 0x2282},  // NotSubset
    {3195, 14, 0, 0x2288},  // NotSubsetEqual
    {3209, 11, 0, 0x2281},  // NotSucceeds
    {3220, 16, 8, 0x2AB0},  // NotSucceedsEqual
    {3236, 21, 0, 0x22E1},  // NotSucceedsSlantEqual
    {3257, 16, 8, 0x227F},  // NotSucceedsTilde
    {3273, 11, 12, 0x2283},  // NotSuperset
    {3284, 16, 0, 0x2289},  // NotSupersetEqual
    {3300, 8, 0, 0x2241},  // NotTilde
    {3308, 13, 0, 0x2244},  // NotTildeEqual
    {3321, 17, 0, 0x2247},  // NotTildeFullEqual
    {3338, 13, 0, 0x2249},  // NotTildeTilde
    {3351, 14, 0, 0x2224},  // NotVerticalBar
    {3365, 4, 0, 0x1D4A9},  // Nscr
    {3369, 6, 1, 0x00D1},  // Ntilde
    {3375, 2, 0, 0x039D},  // Nu
    {3377, 5, 0, 0x0152},  // OElig
    {3382, 6, 1, 0x00D3},  // Oacute
    {3388, 5, 1, 0x00D4},  // Ocirc
    {3393, 3, 0, 0x041E},  // Ocy
    {3396, 6, 0, 0x0150},  // Odblac
    {3402, 3, 0, 0x1D512},  // Ofr
    {3405, 6, 1, 0x00D2},  // Ograve
    {3411, 5, 0, 0x014C},  // Omacr
    {3416, 5, 0, 0x03A9},  // Omega
    {3421, 7, 0, 0x039F},  // Omicron
    {3428, 4, 0, 0x1D546},  // Oopf
    {3432, 20, 0, 0x201C},  // OpenCurlyDoubleQuote
    {3452, 14, 0, 0x2018},  // OpenCurlyQuote
    {3466, 2, 0, 0x2A54},  // Or
    {3468, 4, 0, 0x1D4AA},  // Oscr
    {3472, 6, 1, 0x00D8},  // Oslash
    {3478, 6, 1, 0x00D5},  // Otilde
    {3484, 6, 0, 0x2A37},  // Otimes
    {3490, 4, 1, 0x00D6},  // Ouml
    {3494, 7, 0, 0x203E},  // OverBar
    {3501, 9, 0, 0x23DE},  // OverBrace
    {3510, 11, 0, 0x23B4},  // OverBracket
    {3521, 15, 0, 0x23DC},  // OverParenthesis
    {3536, 8, 0, 0x2202},  // PartialD
    {3544, 3, 0, 0x041F},  // Pcy
    {3547, 3, 0, 0x1D513},  // Pfr
    {3550, 3, 0, 0x03A6},  // Phi
    {3553, 2, 0, 0x03A0},  // Pi
    {3555, 9, 0, 0x00B1},  // PlusMinus
    {3564, 13, 0, 0x210C},  // Poincareplane
    {3577, 4, 0, 0x2119},  // Popf
    {3581, 2, 0, 0x2ABB},  // Pr
    {3583, 8, 0, 0x227A},  // Precedes
    {3591, 13, 0, 0x2AAF},  // PrecedesEqual
    {3604, 18, 0, 0x227C},  // PrecedesSlantEqual
    {3622, 13, 0, 0x227E},  // PrecedesTilde
    {3635, 5, 0, 0x2033},  // Prime
    {3640, 7, 0, 0x220F},  // Product
    {3647, 10, 0, 0x2237},  // Proportion
    {3657, 12, 0, 0x221D},  // Proportional
    {3669, 4, 0, 0x1D4AB},  // Pscr
    {3673, 3, 0, 0x03A8},  // Psi
    {3676, 4, 1, 0x0022},  // QUOT
    {3680, 3, 0, 0x1D514},  // Qfr
    {3683, 4, 0, 0x211A},  // Qopf
    {3687, 4, 0, 0x1D4AC},  // Qscr
    {3691, 5, 0, 0x2910},  // RBarr
    {3696, 3, 1, 0x00AE},  // REG
    {3699, 6, 0, 0x0154},  // Racute
    {3705, 4, 0, 0x27EB},  // Rang
    {3709, 4, 0, 0x21A0},  // Rarr
    {3713, 6, 0, 0x2916},  // Rarrtl
    {3719, 6, 0, 0x0158},  // Rcaron
    {3725, 6, 0, 0x0156},  // Rcedil
    {3731, 3, 0, 0x0420},  // Rcy
    {3734, 2, 0, 0x211C},  // Re
    {3736, 14, 0, 0x220B},  // ReverseElement
    {3750, 18, 0, 0x21CB},  // ReverseEquilibrium
    {3768, 20, 0, 0x296F},  // ReverseUpEquilibrium
    {3788, 3, 0, 0x211C},  // Rfr
    {3791, 3, 0, 0x03A1},  // Rho
    {3794, 17, 0, 0x27E9},  // RightAngleBracket
    {3811, 10, 0, 0x2192},  // RightArrow
    {3821, 13, 0, 0x21E5},  // RightArrowBar
    {3834, 19, 0, 0x21C4},  // RightArrowLeftArrow
    {3853, 12, 0, 0x2309},  // RightCeiling
    {3865, 18, 0, 0x27E7},  // RightDoubleBracket
    {3883, 18, 0, 0x295D},  // RightDownTeeVector
    {3901, 15, 0, 0x21C2},  // RightDownVector
    {3916, 18, 0, 0x2955},  // RightDownVectorBar
    {3934, 10, 0, 0x230B},  // RightFloor
    {3944, 8, 0, 0x22A2},  // RightTee
    {3952, 13, 0, 0x21A6},  // RightTeeArrow
    {3965, 14, 0, 0x295B},  // RightTeeVector
    {3979, 13, 0, 0x22B3},  // RightTriangle
    {3992, 16, 0, 0x29D0},  // RightTriangleBar
    {4008, 18, 0, 0x22B5},  // RightTriangleEqual
    {4026, 17, 0, 0x294F},  // RightUpDownVector
    {4043, 16, 0, 0x295C},  // RightUpTeeVector
    {4059, 13, 0, 0x21BE},  // RightUpVector
    {4072, 16, 0, 0x2954},  // RightUpVectorBar
    {4088, 11, 0, 0x21C0},  // RightVector
    {4099, 14, 0, 0x2953},  // RightVectorBar
    {4113, 10, 0, 0x21D2},  // Rightarrow
    {4123, 4, 0, 0x211D},  // Ropf
    {4127, 12, 0, 0x2970},  // RoundImplies
    {4139, 11, 0, 0x21DB},  // Rrightarrow
    {4150, 4, 0, 0x211B},  // Rscr
    {4154, 3, 0, 0x21B1},  // Rsh
    {4157, 11, 0, 0x29F4},  // RuleDelayed
    {4168, 6, 0, 0x0429},  // SHCHcy
    {4174, 4, 0, 0x0428},  // SHcy
    {4178, 6, 0, 0x042C},  // SOFTcy
    {4184, 6, 0, 0x015A},  // Sacute
    {4190, 2, 0, 0x2ABC},  // Sc
    {4192, 6, 0, 0x0160},  // Scaron
    {4198, 6, 0, 0x015E},  // Scedil
    {4204, 5, 0, 0x015C},  // Scirc
    {4209, 3, 0, 0x0421},  // Scy
    {4212, 3, 0, 0x1D516},  // Sfr
    {4215, 14, 0, 0x2193},  // ShortDownArrow
    {4229, 14, 0, 0x2190},  // ShortLeftArrow
    {4243, 15, 0, 0x2192},  // ShortRightArrow
    {4258, 12, 0, 0x2191},  // ShortUpArrow
    {4270, 5, 0, 0x03A3},  // Sigma
    {4275, 11, 0, 0x2218},  // SmallCircle
    {4286, 4, 0, 0x1D54A},  // Sopf
    {4290, 4, 0, 0x221A},  // Sqrt
    {4294, 6, 0, 0x25A1},  // Square
    {4300, 18, 0, 0x2293},  // SquareIntersection
    {4318, 12, 0, 0x228F},  // SquareSubset
    {4330, 17, 0, 0x2291},  // SquareSubsetEqual
    {4347, 14, 0, 0x2290},  // SquareSuperset
    {4361, 19, 0, 0x2292},  // SquareSupersetEqual
    {4380, 11, 0, 0x2294},  // SquareUnion
    {4391, 4, 0, 0x1D4AE},  // Sscr
    {4395, 4, 0, 0x22C6},  // Star
    {4399, 3, 0, 0x22D0},  // Sub
    {4402, 6, 0, 0x22D0},  // Subset
    {4408, 11, 0, 0x2286},  // SubsetEqual
    {4419, 8, 0, 0x227B},  // Succeeds
    {4427, 13, 0, 0x2AB0},  // SucceedsEqual
    {4440, 18, 0, 0x227D},  // SucceedsSlantEqual
    {4458, 13, 0, 0x227F},  // SucceedsTilde
    {4471, 8, 0, 0x220B},  // SuchThat
    {4479, 3, 0, 0x2211},  // Sum
    {4482, 3, 0, 0x22D1},  // Sup
    {4485, 8, 0, 0x2283},  // Superset
    {4493, 13, 0, 0x2287},  // SupersetEqual
    {4506, 6, 0, 0x22D1},  // Supset
    {4512, 5, 1, 0x00DE},  // THORN
    {4517, 5, 0, 0x2122},  // TRADE
    {4522, 5, 0, 0x040B},  // TSHcy
    {4527, 4, 0, 0x0426},  // TScy
    {4531, 3, 0, 0x0009},  // Tab
    {4534, 3, 0, 0x03A4},  // Tau
    {4537, 6, 0, 0x0164},  // Tcaron
    {4543, 6, 0, 0x0162},  // Tcedil
    {4549, 3, 0, 0x0422},  // Tcy
    {4552, 3, 0, 0x1D517},  // Tfr
    {4555, 9, 0, 0x2234},  // Therefore
    {4564, 5, 0, 0x0398},  // Theta
    {4569, 10, 10, 0x205F},  // ThickSpace
    {4579, 9, 0, 0x2009},  // ThinSpace
    {4588, 5, 0, 0x223C},  // Tilde
    {4593, 10, 0, 0x2243},  // TildeEqual
    {4603, 14, 0, 0x2245},  // TildeFullEqual
    {4617, 10, 0, 0x2248},  // TildeTilde
    {4627, 4, 0, 0x1D54B},  // Topf
    {4631, 9, 0, 0x20DB},  // TripleDot
    {4640, 4, 0, 0x1D4AF},  // Tscr
    {4644, 6, 0, 0x0166},  // Tstrok
    {4650, 6, 1, 0x00DA},  // Uacute
    {4656, 4, 0, 0x219F},  // Uarr
    {4660, 8, 0, 0x2949},  // Uarrocir
    {4668, 5, 0, 0x040E},  // Ubrcy
    {4673, 6, 0, 0x016C},  // Ubreve
    {4679, 5, 1, 0x00DB},  // Ucirc
    {4684, 3, 0, 0x0423},  // Ucy
    {4687, 6, 0, 0x0170},  // Udblac
    {4693, 3, 0, 0x1D518},  // Ufr
    {4696, 6, 1, 0x00D9},  // Ugrave
    {4702, 5, 0, 0x016A},  // Umacr
    {4707, 8, 0, 0x005F},  // UnderBar
    {4715, 10, 0, 0x23DF},  // UnderBrace
    {4725, 12, 0, 0x23B5},  // UnderBracket
    {4737, 16, 0, 0x23DD},  // UnderParenthesis
    {4753, 5, 0, 0x22C3},  // Union
    {4758, 9, 0, 0x228E},  // UnionPlus
    {4767, 5, 0, 0x0172},  // Uogon
    {4772, 4, 0, 0x1D54C},  // Uopf
    {4776, 7, 0, 0x2191},  // UpArrow
    {4783, 10, 0, 0x2912},  // UpArrowBar
    {4793, 16, 0, 0x21C5},  // UpArrowDownArrow
    {4809, 11, 0, 0x2195},  // UpDownArrow
    {4820, 13, 0, 0x296E},  // UpEquilibrium
    {4833, 5, 0, 0x22A5},  // UpTee
    {4838, 10, 0, 0x21A5},  // UpTeeArrow
    {4848, 7, 0, 0x21D1},  // Uparrow
    {4855, 11, 0, 0x21D5},  // Updownarrow
    {4866, 14, 0, 0x2196},  // UpperLeftArrow
    {4880, 15, 0, 0x2197},  // UpperRightArrow
    {4895, 4, 0, 0x03D2},  // Upsi
    {4899, 7, 0, 0x03A5},  // Upsilon
    {4906, 5, 0, 0x016E},  // Uring
    {4911, 4, 0, 0x1D4B0},  // Uscr
    {4915, 6, 0, 0x0168},  // Utilde
    {4921, 4, 1, 0x00DC},  // Uuml
    {4925, 5, 0, 0x22AB},  // VDash
    {4930, 4, 0, 0x2AEB},  // Vbar
    {4934, 3, 0, 0x0412},  // Vcy
    {4937, 5, 0, 0x22A9},  // Vdash
    {4942, 6, 0, 0x2AE6},  // Vdashl
    {4948, 3, 0, 0x22C1},  // Vee
    {4951, 6, 0, 0x2016},  // Verbar
    {4957, 4, 0, 0x2016},  // Vert
    {4961, 11, 0, 0x2223},  // VerticalBar
    {4972, 12, 0, 0x007C},  // VerticalLine
    {4984, 17, 0, 0x2758},  // VerticalSeparator
    {5001, 13, 0, 0x2240},  // VerticalTilde
    {5014, 13, 0, 0x200A},  // VeryThinSpace
    {5027, 3, 0, 0x1D519},  // Vfr
    {5030, 4, 0, 0x1D54D},  // Vopf
    {5034, 4, 0, 0x1D4B1},  // Vscr
    {5038, 6, 0, 0x22AA},  // Vvdash
    {5044, 5, 0, 0x0174},  // Wcirc
    {5049, 5, 0, 0x22C0},  // Wedge
    {5054, 3, 0, 0x1D51A},  // Wfr
    {5057, 4, 0, 0x1D54E},  // Wopf
    {5061, 4, 0, 0x1D4B2},  // Wscr
    {5065, 3, 0, 0x1D51B},  // Xfr
    {5068, 2, 0, 0x039E},  // Xi
    {5070, 4, 0, 0x1D54F},  // Xopf
    {5074, 4, 0, 0x1D4B3},  // Xscr
    {5078, 4, 0, 0x042F},  // YAcy
    {5082, 4, 0, 0x0407},  // YIcy
    {5086, 4, 0, 0x042E},  // YUcy
    {5090, 6, 1, 0x00DD},  // Yacute
    {5096, 5, 0, 0x0176},  // Ycirc
    {5101, 3, 0, 0x042B},  // Ycy
    {5104, 3, 0, 0x1D51C},  // Yfr
    {5107, 4, 0, 0x1D550},  // Yopf
    {5111, 4, 0, 0x1D4B4},  // Yscr
    {5115, 4, 0, 0x0178},  // Yuml
    {5119, 4, 0, 0x0416},  // ZHcy
    {5123, 6, 0, 0x0179},  // Zacute
    {5129, 6, 0, 0x017D},  // Zcaron
    {5135, 3, 0, 0x0417},  // Zcy
    {5138, 4, 0, 0x017B},  // Zdot
    {5142, 14, 0, 0x200B},  // ZeroWidthSpace
    {5156, 4, 0, 0x0396},  // Zeta
    {5160, 3, 0, 0x2128},  // Zfr
    {5163, 4, 0, 0x2124},  // Zopf
    {5167, 4, 0, 0x1D4B5},  // Zscr
    {5171, 6, 1, 0x00E1},  // aacute
    {5177, 6, 0, 0x0103},  // abreve
    {5183, 2, 0, 0x223E},  // ac
    {5185, 3, 6, 0x223E},  // acE
    {5188, 3, 0, 0x223F},  // acd
    {5191, 5, 1, 0x00E2},  // acirc
    {5196, 5, 1, 0x00B4},  // acute
    {5201, 3, 0, 0x0430},  // acy
    {5204, 5, 1, 0x00E6},  // aelig
    {5209, 2, 0, 0x2061},  // af
    {5211, 3, 0, 0x1D51E},  // afr
    {5214, 6, 1, 0x00E0},  // agrave
    {5220, 7, 0, 0x2135},  // alefsym
    {5227, 5, 0, 0x2135},  // aleph
    {5232, 5, 0, 0x03B1},  // alpha
    {5237, 5, 0, 0x0101},  // amacr
    {5242, 5, 0, 0x2A3F},  // amalg
    {5247, 3, 1, 0x0026},  // amp
    {5250, 3, 0, 0x2227},  // and
    {5253, 6, 0, 0x2A55},  // andand
    {5259, 4, 0, 0x2A5C},  // andd
    {5263, 8, 0, 0x2A58},  // andslope
    {5271, 4, 0, 0x2A5A},  // andv
    {5275, 3, 0, 0x2220},  // ang
    {5278, 4, 0, 0x29A4},  // ange
    {5282, 5, 0, 0x2220},  // angle
    {5287, 6, 0, 0x2221},  // angmsd
    {5293, 8, 0, 0x29A8},  // angmsdaa
    {5301, 8, 0, 0x29A9},  // angmsdab
    {5309, 8, 0, 0x29AA},  // angmsdac
    {5317, 8, 0, 0x29AB},  // angmsdad
    {5325, 8, 0, 0x29AC},  // angmsdae
    {5333, 8, 0, 0x29AD},  // angmsdaf
    {5341, 8, 0, 0x29AE},  // angmsdag
    {5349, 8, 0, 0x29AF},  // angmsdah
    {5357, 5, 0, 0x221F},  // angrt
    {5362, 7, 0, 0x22BE},  // angrtvb
    {5369, 8, 0, 0x299D},  // angrtvbd
    {5377, 6, 0, 0x2222},  // angsph
    {5383, 5, 0, 0x00C5},  // angst
    {5388, 7, 0, 0x237C},  // angzarr
    {5395, 5, 0, 0x0105},  // aogon
    {5400, 4, 0, 0x1D552},  // aopf
    {5404, 2, 0, 0x2248},  // ap
    {5406, 3, 0, 0x2A70},  // apE
    {5409, 6, 0, 0x2A6F},  // apacir
    {5415, 3, 0, 0x224A},  // ape
    {5418, 4, 0, 0x224B},  // apid
    {5422, 4, 0, 0x0027},  // apos
    {5426, 6, 0, 0x2248},  // approx
    {5432, 8, 0, 0x224A},  // approxeq
    {5440, 5, 1, 0x00E5},  // aring
    {5445, 4, 0, 0x1D4B6},  // ascr
    {5449, 3, 0, 0x002A},  // ast
    {5452, 5, 0, 0x2248},  // asymp
    {5457, 7, 0, 0x224D},  // asympeq
    {5464, 6, 1, 0x00E3},  // atilde
    {5470, 4, 1, 0x00E4},  // auml
    {5474, 8, 0, 0x2233},  // awconint
    {5482, 5, 0, 0x2A11},  // awint
    {5487, 4, 0, 0x2AED},  // bNot
    {5491, 8, 0, 0x224C},  // backcong
    {5499, 11, 0, 0x03F6},  // backepsilon
    {5510, 9, 0, 0x2035},  // backprime
    {5519, 7, 0, 0x223D},  // backsim
    {5526, 9, 0, 0x22CD},  // backsimeq
    {5535, 6, 0, 0x22BD},  // barvee
    {5541, 6, 0, 0x2305},  // barwed
    {5547, 8, 0, 0x2305},  // barwedge
    {5555, 4, 0, 0x23B5},  // bbrk
    {5559, 8, 0, 0x23B6},  // bbrktbrk
    {5567, 5, 0, 0x224C},  // bcong
    {5572, 3, 0, 0x0431},  // bcy
    {5575, 5, 0, 0x201E},  // bdquo
    {5580, 6, 0, 0x2235},  // becaus
    {5586, 7, 0, 0x2235},  // because
    {5593, 7, 0, 0x29B0},  // bemptyv
    {5600, 5, 0, 0x03F6},  // bepsi
    {5605, 6, 0, 0x212C},  // bernou
    {5611, 4, 0, 0x03B2},  // beta
    {5615, 4, 0, 0x2136},  // beth
    {5619, 7, 0, 0x226C},  // between
    {5626, 3, 0, 0x1D51F},  // bfr
    {5629, 6, 0, 0x22C2},  // bigcap
    {5635, 7, 0, 0x25EF},  // bigcirc
    {5642, 6, 0, 0x22C3},  // bigcup
    {5648, 7, 0, 0x2A00},  // bigodot
    {5655, 8, 0, 0x2A01},  // bigoplus
    {5663, 9, 0, 0x2A02},  // bigotimes
    {5672, 8, 0, 0x2A06},  // bigsqcup
    {5680, 7, 0, 0x2605},  // bigstar
    {5687, 15, 0, 0x25BD},  // bigtriangledown
    {5702, 13, 0, 0x25B3},  // bigtriangleup
    {5715, 8, 0, 0x2A04},  // biguplus
    {5723, 6, 0, 0x22C1},  // bigvee
    {5729, 8, 0, 0x22C0},  // bigwedge
    {5737, 6, 0, 0x290D},  // bkarow
    {5743, 12, 0, 0x29EB},  // blacklozenge
    {5755, 11, 0, 0x25AA},  // blacksquare
    {5766, 13, 0, 0x25B4},  // blacktriangle
    {5779, 17, 0, 0x25BE},  // blacktriangledown
    {5796, 17, 0, 0x25C2},  // blacktriangleleft
    {5813, 18, 0, 0x25B8},  // blacktriangleright
    {5831, 5, 0, 0x2423},  // blank
    {5836, 5, 0, 0x2592},  // blk12
    {5841, 5, 0, 0x2591},  // blk14
    {5846, 5, 0, 0x2593},  // blk34
    {5851, 5, 0, 0x2588},  // block
    {5856, 3, 14, 0x003D},  // bne
    {5859, 7, 14, 0x2261},  // bnequiv
    {5866, 4, 0, 0x2310},  // bnot
    {5870, 4, 0, 0x1D553},  // bopf
    {5874, 3, 0, 0x22A5},  // bot
    {5877, 6, 0, 0x22A5},  // bottom
    {5883, 6, 0, 0x22C8},  // bowtie
    {5889, 5, 0, 0x2557},  // boxDL
    {5894, 5, 0, 0x2554},  // boxDR
    {5899, 5, 0, 0x2556},  // boxDl
    {5904, 5, 0, 0x2553},  // boxDr
    {5909, 4, 0, 0x2550},  // boxH
    {5913, 5, 0, 0x2566},  // boxHD
    {5918, 5, 0, 0x2569},  // boxHU
    {5923, 5, 0, 0x2564},  // boxHd
    {5928, 5, 0, 0x2567},  // boxHu
    {5933, 5, 0, 0x255D},  // boxUL
    {5938, 5, 0, 0x255A},  // boxUR
    {5943, 5, 0, 0x255C},  // boxUl
    {5948, 5, 0, 0x2559},  // boxUr
    {5953, 4, 0, 0x2551},  // boxV
    {5957, 5, 0, 0x256C},  // boxVH
    {5962, 5, 0, 0x2563},  // boxVL
    {5967, 5, 0, 0x2560},  // boxVR
    {5972, 5, 0, 0x256B},  // boxVh
    {5977, 5, 0, 0x2562},  // boxVl
    {5982, 5, 0, 0x255F},  // boxVr
    {5987, 6, 0, 0x29C9},  // boxbox
    {5993, 5, 0, 0x2555},  // boxdL
    {5998, 5, 0, 0x2552},  // boxdR
    {6003, 5, 0, 0x2510},  // boxdl
    {6008, 5, 0, 0x250C},  // boxdr
    {6013, 4, 0, 0x2500},  // boxh
    {6017, 5, 0, 0x2565},  // boxhD
    {6022, 5, 0, 0x2568},  // boxhU
    {6027, 5, 0, 0x252C},  // boxhd
    {6032, 5, 0, 0x2534},  // boxhu
    {6037, 8, 0, 0x229F},  // boxminus
    {6045, 7, 0, 0x229E},  // boxplus
    {6052, 8, 0, 0x22A0},  // boxtimes
    {6060, 5, 0, 0x255B},  // boxuL
    {6065, 5, 0, 0x2558},  // boxuR
    {6070, 5, 0, 0x2518},  // boxul
    {6075, 5, 0, 0x2514},  // boxur
    {6080, 4, 0, 0x2502},  // boxv
    {6084, 5, 0, 0x256A},  // boxvH
    {6089, 5, 0, 0x2561},  // boxvL
    {6094, 5, 0, 0x255E},  // boxvR
    {6099, 5, 0, 0x253C},  // boxvh
    {6104, 5, 0, 0x2524},  // boxvl
    {6109, 5, 0, 0x251C},  // boxvr
    {6114, 6, 0, 0x2035},  // bprime
    {6120, 5, 0, 0x02D8},  // breve
    {6125, 6, 1, 0x00A6},  // brvbar
    {6131, 4, 0, 0x1D4B7},  // bscr
    {6135, 5, 0, 0x204F},  // bsemi
    {6140, 4, 0, 0x223D},  // bsim
    {6144, 5, 0, 0x22CD},  // bsime
    {6149, 4, 0, 0x005C},  // bsol
    {6153, 5, 0, 0x29C5},  // bsolb
    {6158, 8, 0, 0x27C8},  // bsolhsub
    {6166, 4, 0, 0x2022},  // bull
    {6170, 6, 0, 0x2022},  // bullet
    {6176, 4, 0, 0x224E},  // bump
    {6180, 5, 0, 0x2AAE},  // bumpE
    {6185, 5, 0, 0x224F},  // bumpe
    {6190, 6, 0, 0x224F},  // bumpeq
    {6196, 6, 0, 0x0107},  // cacute
    {6202, 3, 0, 0x2229},  // cap
    {6205, 6, 0, 0x2A44},  // capand
    {6211, 8, 0, 0x2A49},  // capbrcup
    {6219, 6, 0, 0x2A4B},  // capcap
    {6225, 6, 0, 0x2A47},  // capcup
    {6231, 6, 0, 0x2A40},  // capdot
    {6237, 4, 16, 0x2229},  // caps
    {6241, 5, 0, 0x2041},  // caret
    {6246, 5, 0, 0x02C7},  // caron
    {6251, 5, 0, 0x2A4D},  // ccaps
    {6256, 6, 0, 0x010D},  // ccaron
    {6262, 6, 1, 0x00E7},  // ccedil
    {6268, 5, 0, 0x0109},  // ccirc
    {6273, 5, 0, 0x2A4C},  // ccups
    {6278, 7, 0, 0x2A50},  // ccupssm
    {6285, 4, 0, 0x010B},  // cdot
    {6289, 5, 1, 0x00B8},  // cedil
    {6294, 7, 0, 0x29B2},  // cemptyv
    {6301, 4, 1, 0x00A2},  // cent
    {6305, 9, 0, 0x00B7},  // centerdot
    {6314, 3, 0, 0x1D520},  // cfr
    {6317, 4, 0, 0x0447},  // chcy
    {6321, 5, 0, 0x2713},  // check
    {6326, 9, 0, 0x2713},  // checkmark
    {6335, 3, 0, 0x03C7},  // chi
    {6338, 3, 0, 0x25CB},  // cir
    {6341, 4, 0, 0x29C3},  // cirE
    {6345, 4, 0, 0x02C6},  // circ
    {6349, 6, 0, 0x2257},  // circeq
    {6355, 15, 0, 0x21BA},  // circlearrowleft
    {6370, 16, 0, 0x21BB},  // circlearrowright
    {6386, 8, 0, 0x00AE},  // circledR
    {6394, 8, 0, 0x24C8},  // circledS
    {6402, 10, 0, 0x229B},  // circledast
    {6412, 11, 0, 0x229A},  // circledcirc
    {6423, 11, 0, 0x229D},  // circleddash
    {6434, 4, 0, 0x2257},  // cire
    {6438, 8, 0, 0x2A10},  // cirfnint
    {6446, 6, 0, 0x2AEF},  // cirmid
    {6452, 7, 0, 0x29C2},  // cirscir
    {6459, 5, 0, 0x2663},  // clubs
    {6464, 8, 0, 0x2663},  // clubsuit
    {6472, 5, 0, 0x003A},  // colon
    {6477, 6, 0, 0x2254},  // colone
    {6483, 7, 0, 0x2254},  // coloneq
    {6490, 5, 0, 0x002C},  // comma
    {6495, 6, 0, 0x0040},  // commat
    {6501, 4, 0, 0x2201},  // comp
    {6505, 6, 0, 0x2218},  // compfn
    {6511, 10, 0, 0x2201},  // complement
    {6521, 9, 0, 0x2102},  // complexes
    {6530, 4, 0, 0x2245},  // cong
    {6534, 7, 0, 0x2A6D},  // congdot
    {6541, 6, 0, 0x222E},  // conint
    {6547, 4, 0, 0x1D554},  // copf
    {6551, 6, 0, 0x2210},  // coprod
    {6557, 4, 1, 0x00A9},  // copy
    {6561, 6, 0, 0x2117},  // copysr
    {6567, 5, 0, 0x21B5},  // crarr
    {6572, 5, 0, 0x2717},  // cross
    {6577, 4, 0, 0x1D4B8},  // cscr
    {6581, 4, 0, 0x2ACF},  // csub
    {6585, 5, 0, 0x2AD1},  // csube
    {6590, 4, 0, 0x2AD0},  // csup
    {6594, 5, 0, 0x2AD2},  // csupe
    {6599, 5, 0, 0x22EF},  // ctdot
    {6604, 7, 0, 0x2938},  // cudarrl
    {6611, 7, 0, 0x2935},  // cudarrr
    {6618, 5, 0, 0x22DE},  // cuepr
    {6623, 5, 0, 0x22DF},  // cuesc
    {6628, 6, 0, 0x21B6},  // cularr
    {6634, 7, 0, 0x293D},  // cularrp
    {6641, 3, 0, 0x222A},  // cup
    {6644, 8, 0, 0x2A48},  // cupbrcap
    {6652, 6, 0, 0x2A46},  // cupcap
    {6658, 6, 0, 0x2A4A},  // cupcup
    {6664, 6, 0, 0x228D},  // cupdot
    {6670, 5, 0, 0x2A45},  // cupor
    {6675, 4, 16, 0x222A},  // cups
    {6679, 6, 0, 0x21B7},  // curarr
    {6685, 7, 0, 0x293C},  // curarrm
    {6692, 11, 0, 0x22DE},  // curlyeqprec
    {6703, 11, 0, 0x22DF},  // curlyeqsucc
    {6714, 8, 0, 0x22CE},  // curlyvee
    {6722, 10, 0, 0x22CF},  // curlywedge
    {6732, 6, 1, 0x00A4},  // curren
    {6738, 14, 0, 0x21B6},  // curvearrowleft
    {6752, 15, 0, 0x21B7},  // curvearrowright
    {6767, 5, 0, 0x22CE},  // cuvee
    {6772, 5, 0, 0x22CF},  // cuwed
    {6777, 8, 0, 0x2232},  // cwconint
    {6785, 5, 0, 0x2231},  // cwint
    {6790, 6, 0, 0x232D},  // cylcty
    {6796, 4, 0, 0x21D3},  // dArr
    {6800, 4, 0, 0x2965},  // dHar
    {6804, 6, 0, 0x2020},  // dagger
    {6810, 6, 0, 0x2138},  // daleth
    {6816, 4, 0, 0x2193},  // darr
    {6820, 4, 0, 0x2010},  // dash
    {6824, 5, 0, 0x22A3},  // dashv
    {6829, 7, 0, 0x290F},  // dbkarow
    {6836, 5, 0, 0x02DD},  // dblac
    {6841, 6, 0, 0x010F},  // dcaron
    {6847, 3, 0, 0x0434},  // dcy
    {6850, 2, 0, 0x2146},  // dd
    {6852, 7, 0, 0x2021},  // ddagger
    {6859, 5, 0, 0x21CA},  // ddarr
    {6864, 7, 0, 0x2A77},  // ddotseq
    {6871, 3, 1, 0x00B0},  // deg
    {6874, 5, 0, 0x03B4},  // delta
    {6879, 7, 0, 0x29B1},  // demptyv
    {6886, 6, 0, 0x297F},  // dfisht
    {6892, 3, 0, 0x1D521},  // dfr
    {6895, 5, 0, 0x21C3},  // dharl
    {6900, 5, 0, 0x21C2},  // dharr
    {6905, 4, 0, 0x22C4},  // diam
    {6909, 7, 0, 0x22C4},  // diamond
    {6916, 11, 0, 0x2666},  // diamondsuit
    {6927, 5, 0, 0x2666},  // diams
    {6932, 3, 0, 0x00A8},  // die
    {6935, 7, 0, 0x03DD},  // digamma
    {6942, 5, 0, 0x22F2},  // disin
    {6947, 3, 0, 0x00F7},  // div
    {6950, 6, 1, 0x00F7},  // divide
    {6956, 13, 0, 0x22C7},  // divideontimes
    {6969, 6, 0, 0x22C7},  // divonx
    {6975, 4, 0, 0x0452},  // djcy
    {6979, 6, 0, 0x231E},  // dlcorn
    {6985, 6, 0, 0x230D},  // dlcrop
    {6991, 6, 0, 0x0024},  // dollar
    {6997, 4, 0, 0x1D555},  // dopf
    {7001, 3, 0, 0x02D9},  // dot
    {7004, 5, 0, 0x2250},  // doteq
    {7009, 8, 0, 0x2251},  // doteqdot
    {7017, 8, 0, 0x2238},  // dotminus
    {7025, 7, 0, 0x2214},  // dotplus
    {7032, 9, 0, 0x22A1},  // dotsquare
    {7041, 14, 0, 0x2306},  // doublebarwedge
    {7055, 9, 0, 0x2193},  // downarrow
    {7064, 14, 0, 0x21CA},  // downdownarrows
    {7078, 15, 0, 0x21C3},  // downharpoonleft
    {7093, 16, 0, 0x21C2},  // downharpoonright
    {7109, 8, 0, 0x2910},  // drbkarow
    {7117, 6, 0, 0x231F},  // drcorn
    {7123, 6, 0, 0x230C},  // drcrop
    {7129, 4, 0, 0x1D4B9},  // dscr
    {7133, 4, 0, 0x0455},  // dscy
    {7137, 4, 0, 0x29F6},  // dsol
    {7141, 6, 0, 0x0111},  // dstrok
    {7147, 5, 0, 0x22F1},  // dtdot
    {7152, 4, 0, 0x25BF},  // dtri
    {7156, 5, 0, 0x25BE},  // dtrif
    {7161, 5, 0, 0x21F5},  // duarr
    {7166, 5, 0, 0x296F},  // duhar
    {7171, 7, 0, 0x29A6},  // dwangle
    {7178, 4, 0, 0x045F},  // dzcy
    {7182, 8, 0, 0x27FF},  // dzigrarr
    {7190, 5, 0, 0x2A77},  // eDDot
    {7195, 4, 0, 0x2251},  // eDot
    {7199, 6, 1, 0x00E9},  // eacute
    {7205, 6, 0, 0x2A6E},  // easter
    {7211, 6, 0, 0x011B},  // ecaron
    {7217, 4, 0, 0x2256},  // ecir
    {7221, 5, 1, 0x00EA},  // ecirc
    {7226, 6, 0, 0x2255},  // ecolon
    {7232, 3, 0, 0x044D},  // ecy
    {7235, 4, 0, 0x0117},  // edot
    {7239, 2, 0, 0x2147},  // ee
    {7241, 5, 0, 0x2252},  // efDot
    {7246, 3, 0, 0x1D522},  // efr
    {7249, 2, 0, 0x2A9A},  // eg
    {7251, 6, 1, 0x00E8},  // egrave
    {7257, 3, 0, 0x2A96},  // egs
    {7260, 6, 0, 0x2A98},  // egsdot
    {7266, 2, 0, 0x2A99},  // el
    {7268, 8, 0, 0x23E7},  // elinters
    {7276, 3, 0, 0x2113},  // ell
    {7279, 3, 0, 0x2A95},  // els
    {7282, 6, 0, 0x2A97},  // elsdot
    {7288, 5, 0, 0x0113},  // emacr
    {7293, 5, 0, 0x2205},  // empty
    {7298, 8, 0, 0x2205},  // emptyset
    {7306, 6, 0, 0x2205},  // emptyv
    {7312, 4, 0, 0x2003},  // emsp
    {7316, 6, 0, 0x2004},  // emsp13
    {7322, 6, 0, 0x2005},  // emsp14
    {7328, 3, 0, 0x014B},  // eng
    {7331, 4, 0, 0x2002},  // ensp
    {7335, 5, 0, 0x0119},  // eogon
    {7340, 4, 0, 0x1D556},  // eopf
    {7344, 4, 0, 0x22D5},  // epar
    {7348, 6, 0, 0x29E3},  // eparsl
    {7354, 5, 0, 0x2A71},  // eplus
    {7359, 4, 0, 0x03B5},  // epsi
    {7363, 7, 0, 0x03B5},  // epsilon
    {7370, 5, 0, 0x03F5},  // epsiv
    {7375, 6, 0, 0x2256},  // eqcirc
    {7381, 7, 0, 0x2255},  // eqcolon
    {7388, 5, 0, 0x2242},  // eqsim
    {7393, 10, 0, 0x2A96},  // eqslantgtr
    {7403, 11, 0, 0x2A95},  // eqslantless
    {7414, 6, 0, 0x003D},  // equals
    {7420, 6, 0, 0x225F},  // equest
    {7426, 5, 0, 0x2261},  // equiv
    {7431, 7, 0, 0x2A78},  // equivDD
    {7438, 8, 0, 0x29E5},  // eqvparsl
    {7446, 5, 0, 0x2253},  // erDot
    {7451, 5, 0, 0x2971},  // erarr
    {7456, 4, 0, 0x212F},  // escr
    {7460, 5, 0, 0x2250},  // esdot
    {7465, 4, 0, 0x2242},  // esim
    {7469, 3, 0, 0x03B7},  // eta
    {7472, 3, 1, 0x00F0},  // eth
    {7475, 4, 1, 0x00EB},  // euml
    {7479, 4, 0, 0x20AC},  // euro
    {7483, 4, 0, 0x0021},  // excl
    {7487, 5, 0, 0x2203},  // exist
    {7492, 11, 0, 0x2130},  // expectation
    {7503, 12, 0, 0x2147},  // exponentiale
    {7515, 13, 0, 0x2252},  // fallingdotseq
    {7528, 3, 0, 0x0444},  // fcy
    {7531, 6, 0, 0x2640},  // female
    {7537, 6, 0, 0xFB03},  // ffilig
    {7543, 5, 0, 0xFB00},  // fflig
    {7548, 6, 0, 0xFB04},  // ffllig
    {7554, 3, 0, 0x1D523},  // ffr
    {7557, 5, 0, 0xFB01},  // filig
    {7562, 5, 2, 0x0066},  // fjlig
    {7567, 4, 0, 0x266D},  // flat
    {7571, 5, 0, 0xFB02},  // fllig
    {7576, 5, 0, 0x25B1},  // fltns
    {7581, 4, 0, 0x0192},  // fnof
    {7585, 4, 0, 0x1D557},  // fopf
    {7589, 6, 0, 0x2200},  // forall
    {7595, 4, 0, 0x22D4},  // fork
    {7599, 5, 0, 0x2AD9},  // forkv
    {7604, 8, 0, 0x2A0D},  // fpartint
    {7612, 6, 1, 0x00BD},  // frac12
    {7618, 6, 0, 0x2153},  // frac13
    {7624, 6, 1, 0x00BC},  // frac14
    {7630, 6, 0, 0x2155},  // frac15
    {7636, 6, 0, 0x2159},  // frac16
    {7642, 6, 0, 0x215B},  // frac18
    {7648, 6, 0, 0x2154},  // frac23
    {7654, 6, 0, 0x2156},  // frac25
    {7660, 6, 1, 0x00BE},  // frac34
    {7666, 6, 0, 0x2157},  // frac35
    {7672, 6, 0, 0x215C},  // frac38
    {7678, 6, 0, 0x2158},  // frac45
    {7684, 6, 0, 0x215A},  // frac56
    {7690, 6, 0, 0x215D},  // frac58
    {7696, 6, 0, 0x215E},  // frac78
    {7702, 5, 0, 0x2044},  // frasl
    {7707, 5, 0, 0x2322},  // frown
    {7712, 4, 0, 0x1D4BB},  // fscr
    {7716, 2, 0, 0x2267},  // gE
    {7718, 3, 0, 0x2A8C},  // gEl
    {7721, 6, 0, 0x01F5},  // gacute
    {7727, 5, 0, 0x03B3},  // gamma
    {7732, 6, 0, 0x03DD},  // gammad
    {7738, 3, 0, 0x2A86},  // gap
    {7741, 6, 0, 0x011F},  // gbreve
    {7747, 5, 0, 0x011D},  // gcirc
    {7752, 3, 0, 0x0433},  // gcy
    {7755, 4, 0, 0x0121},  // gdot
    {7759, 2, 0, 0x2265},  // ge
    {7761, 3, 0, 0x22DB},  // gel
    {7764, 3, 0, 0x2265},  // geq
    {7767, 4, 0, 0x2267},  // geqq
    {7771, 8, 0, 0x2A7E},  // geqslant
    {7779, 3, 0, 0x2A7E},  // ges
    {7782, 5, 0, 0x2AA9},  // gescc
    {7787, 6, 0, 0x2A80},  // gesdot
    {7793, 7, 0, 0x2A82},  // gesdoto
    {7800, 8, 0, 0x2A84},  // gesdotol
    {7808, 4, 16, 0x22DB},  // gesl
    {7812, 6, 0, 0x2A94},  // gesles
    {7818, 3, 0, 0x1D524},  // gfr
    {7821, 2, 0, 0x226B},  // gg
    {7823, 3, 0, 0x22D9},  // ggg
    {7826, 5, 0, 0x2137},  // gimel
    {7831, 4, 0, 0x0453},  // gjcy
    {7835, 2, 0, 0x2277},  // gl
    {7837, 3, 0, 0x2A92},  // glE
    {7840, 3, 0, 0x2AA5},  // gla
    {7843, 3, 0, 0x2AA4},  // glj
    {7846, 3, 0, 0x2269},  // gnE
    {7849, 4, 0, 0x2A8A},  // gnap
    {7853, 8, 0, 0x2A8A},  // gnapprox
    {7861, 3, 0, 0x2A88},  // gne
    {7864, 4, 0, 0x2A88},  // gneq
    {7868, 5, 0, 0x2269},  // gneqq
    {7873, 5, 0, 0x22E7},  // gnsim
    {7878, 4, 0, 0x1D558},  // gopf
    {7882, 5, 0, 0x0060},  // grave
    {7887, 4, 0, 0x210A},  // gscr
    {7891, 4, 0, 0x2273},  // gsim
    {7895, 5, 0, 0x2A8E},  // gsime
    {7900, 5, 0, 0x2A90},  // gsiml
    {7905, 2, 1, 0x003E},  // gt
    {7907, 4, 0, 0x2AA7},  // gtcc
    {7911, 5, 0, 0x2A7A},  // gtcir
    {7916, 5, 0, 0x22D7},  // gtdot
    {7921, 6, 0, 0x2995},  // gtlPar
    {7927, 7, 0, 0x2A7C},  // gtquest
    {7934, 9, 0, 0x2A86},  // gtrapprox
    {7943, 6, 0, 0x2978},  // gtrarr
    {7949, 6, 0, 0x22D7},  // gtrdot
    {7955, 9, 0, 0x22DB},  // gtreqless
    {7964, 10, 0, 0x2A8C},  // gtreqqless
    {7974, 7, 0, 0x2277},  // gtrless
    {7981, 6, 0, 0x2273},  // gtrsim
    {7987, 9, 16, 0x2269},  // gvertneqq
    {7996, 4, 16, 0x2269},  // gvnE
    {8000, 4, 0, 0x21D4},  // hArr
    {8004, 6, 0, 0x200A},  // hairsp
    {8010, 4, 0, 0x00BD},  // half
    {8014, 6, 0, 0x210B},  // hamilt
    {8020, 6, 0, 0x044A},  // hardcy
    {8026, 4, 0, 0x2194},  // harr
    {8030, 7, 0, 0x2948},  // harrcir
    {8037, 5, 0, 0x21AD},  // harrw
    {8042, 4, 0, 0x210F},  // hbar
    {8046, 5, 0, 0x0125},  // hcirc
    {8051, 6, 0, 0x2665},  // hearts
    {8057, 9, 0, 0x2665},  // heartsuit
    {8066, 6, 0, 0x2026},  // hellip
    {8072, 6, 0, 0x22B9},  // hercon
    {8078, 3, 0, 0x1D525},  // hfr
    {8081, 8, 0, 0x2925},  // hksearow
    {8089, 8, 0, 0x2926},  // hkswarow
    {8097, 5, 0, 0x21FF},  // hoarr
    {8102, 6, 0, 0x223B},  // homtht
    {8108, 13, 0, 0x21A9},  // hookleftarrow
    {8121, 14, 0, 0x21AA},  // hookrightarrow
    {8135, 4, 0, 0x1D559},  // hopf
    {8139, 6, 0, 0x2015},  // horbar
    {8145, 4, 0, 0x1D4BD},  // hscr
    {8149, 6, 0, 0x210F},  // hslash
    {8155, 6, 0, 0x0127},  // hstrok
    {8161, 6, 0, 0x2043},  // hybull
    {8167, 6, 0, 0x2010},  // hyphen
    {8173, 6, 1, 0x00ED},  // iacute
    {8179, 2, 0, 0x2063},  // ic
    {8181, 5, 1, 0x00EE},  // icirc
    {8186, 3, 0, 0x0438},  // icy
    {8189, 4, 0, 0x0435},  // iecy
    {8193, 5, 1, 0x00A1},  // iexcl
    {8198, 3, 0, 0x21D4},  // iff
    {8201, 3, 0, 0x1D526},  // ifr
    {8204, 6, 1, 0x00EC},  // igrave
    {8210, 2, 0, 0x2148},  // ii
    {8212, 6, 0, 0x2A0C},  // iiiint
    {8218, 5, 0, 0x222D},  // iiint
    {8223, 6, 0, 0x29DC},  // iinfin
    {8229, 5, 0, 0x2129},  // iiota
    {8234, 5, 0, 0x0133},  // ijlig
    {8239, 5, 0, 0x012B},  // imacr
    {8244, 5, 0, 0x2111},  // image
    {8249, 8, 0, 0x2110},  // imagline
    {8257, 8, 0, 0x2111},  // imagpart
    {8265, 5, 0, 0x0131},  // imath
    {8270, 4, 0, 0x22B7},  // imof
    {8274, 5, 0, 0x01B5},  // imped
    {8279, 2, 0, 0x2208},  // in
    {8281, 6, 0, 0x2105},  // incare
    {8287, 5, 0, 0x221E},  // infin
    {8292, 8, 0, 0x29DD},  // infintie
    {8300, 6, 0, 0x0131},  // inodot
    {8306, 3, 0, 0x222B},  // int
    {8309, 6, 0, 0x22BA},  // intcal
    {8315, 8, 0, 0x2124},  // integers
    {8323, 8, 0, 0x22BA},  // intercal
    {8331, 8, 0, 0x2A17},  // intlarhk
    {8339, 7, 0, 0x2A3C},  // intprod
    {8346, 4, 0, 0x0451},  // iocy
    {8350, 5, 0, 0x012F},  // iogon
    {8355, 4, 0, 0x1D55A},  // iopf
    {8359, 4, 0, 0x03B9},  // iota
    {8363, 5, 0, 0x2A3C},  // iprod
    {8368, 6, 1, 0x00BF},  // iquest
    {8374, 4, 0, 0x1D4BE},  // iscr
    {8378, 4, 0, 0x2208},  // isin
    {8382, 5, 0, 0x22F9},  // isinE
    {8387, 7, 0, 0x22F5},  // isindot
    {8394, 5, 0, 0x22F4},  // isins
    {8399, 6, 0, 0x22F3},  // isinsv
    {8405, 5, 0, 0x2208},  // isinv
    {8410, 2, 0, 0x2062},  // it
    {8412, 6, 0, 0x0129},  // itilde
    {8418, 5, 0, 0x0456},  // iukcy
    {8423, 4, 1, 0x00EF},  // iuml
    {8427, 5, 0, 0x0135},  // jcirc
    {8432, 3, 0, 0x0439},  // jcy
    {8435, 3, 0, 0x1D527},  // jfr
    {8438, 5, 0, 0x0237},  // jmath
    {8443, 4, 0, 0x1D55B},  // jopf
    {8447, 4, 0, 0x1D4BF},  // jscr
    {8451, 6, 0, 0x0458},  // jsercy
    {8457, 5, 0, 0x0454},  // jukcy
    {8462, 5, 0, 0x03BA},  // kappa
    {8467, 6, 0, 0x03F0},  // kappav
    {8473, 6, 0, 0x0137},  // kcedil
    {8479, 3, 0, 0x043A},  // kcy
    {8482, 3, 0, 0x1D528},  // kfr
    {8485, 6, 0, 0x0138},  // kgreen
    {8491, 4, 0, 0x0445},  // khcy
    {8495, 4, 0, 0x045C},  // kjcy
    {8499, 4, 0, 0x1D55C},  // kopf
    {8503, 4, 0, 0x1D4C0},  // kscr
    {8507, 5, 0, 0x21DA},  // lAarr
    {8512, 4, 0, 0x21D0},  // lArr
    {8516, 6, 0, 0x291B},  // lAtail
    {8522, 5, 0, 0x290E},  // lBarr
    {8527, 2, 0, 0x2266},  // lE
    {8529, 3, 0, 0x2A8B},  // lEg
    {8532, 4, 0, 0x2962},  // lHar
    {8536, 6, 0, 0x013A},  // lacute
    {8542, 8, 0, 0x29B4},  // laemptyv
    {8550, 6, 0, 0x2112},  // lagran
    {8556, 6, 0, 0x03BB},  // lambda
    {8562, 4, 0, 0x27E8},  // lang
    {8566, 5, 0, 0x2991},  // langd
    {8571, 6, 0, 0x27E8},  // langle
    {8577, 3, 0, 0x2A85},  // lap
    {8580, 5, 1, 0x00AB},  // laquo
    {8585, 4, 0, 0x2190},  // larr
    {8589, 5, 0, 0x21E4},  // larrb
    {8594, 7, 0, 0x291F},  // larrbfs
    {8601, 6, 0, 0x291D},  // larrfs
    {8607, 6, 0, 0x21A9},  // larrhk
    {8613, 6, 0, 0x21AB},  // larrlp
    {8619, 6, 0, 0x2939},  // larrpl
    {8625, 7, 0, 0x2973},  // larrsim
    {8632, 6, 0, 0x21A2},  // larrtl
    {8638, 3, 0, 0x2AAB},  // lat
    {8641, 6, 0, 0x2919},  // latail
    {8647, 4, 0, 0x2AAD},  // late
    {8651, 5, 16, 0x2AAD},  // lates
    {8656, 5, 0, 0x290C},  // lbarr
    {8661, 5, 0, 0x2772},  // lbbrk
    {8666, 6, 0, 0x007B},  // lbrace
    {8672, 6, 0, 0x005B},  // lbrack
    {8678, 5, 0, 0x298B},  // lbrke
    {8683, 7, 0, 0x298F},  // lbrksld
    {8690, 7, 0, 0x298D},  // lbrkslu
    {8697, 6, 0, 0x013E},  // lcaron
    {8703, 6, 0, 0x013C},  // lcedil
    {8709, 5, 0, 0x2308},  // lceil
    {8714, 4, 0, 0x007B},  // lcub
    {8718, 3, 0, 0x043B},  // lcy
    {8721, 4, 0, 0x2936},  // ldca
    {8725, 5, 0, 0x201C},  // ldquo
    {8730, 6, 0, 0x201E},  // ldquor
    {8736, 7, 0, 0x2967},  // ldrdhar
    {8743, 8, 0, 0x294B},  // ldrushar
    {8751, 4, 0, 0x21B2},  // ldsh
    {8755, 2, 0, 0x2264},  // le
    {8757, 9, 0, 0x2190},  // leftarrow
    {8766, 13, 0, 0x21A2},  // leftarrowtail
    {8779, 15, 0, 0x21BD},  // leftharpoondown
    {8794, 13, 0, 0x21BC},  // leftharpoonup
    {8807, 14, 0, 0x21C7},  // leftleftarrows
    {8821, 14, 0, 0x2194},  // leftrightarrow
    {8835, 15, 0, 0x21C6},  // leftrightarrows
    {8850, 17, 0, 0x21CB},  // leftrightharpoons
    {8867, 19, 0, 0x21AD},  // leftrightsquigarrow
    {8886, 14, 0, 0x22CB},  // leftthreetimes
    {8900, 3, 0, 0x22DA},  // leg
    {8903, 3, 0, 0x2264},  // leq
    {8906, 4, 0, 0x2266},  // leqq
    {8910, 8, 0, 0x2A7D},  // leqslant
    {8918, 3, 0, 0x2A7D},  // les
    {8921, 5, 0, 0x2AA8},  // lescc
    {8926, 6, 0, 0x2A7F},  // lesdot
    {8932, 7, 0, 0x2A81},  // lesdoto
    {8939, 8, 0, 0x2A83},  // lesdotor
    {8947, 4, 16, 0x22DA},  // lesg
    {8951, 6, 0, 0x2A93},  // lesges
    {8957, 10, 0, 0x2A85},  // lessapprox
    {8967, 7, 0, 0x22D6},  // lessdot
    {8974, 9, 0, 0x22DA},  // lesseqgtr
    {8983, 10, 0, 0x2A8B},  // lesseqqgtr
    {8993, 7, 0, 0x2276},  // lessgtr
    {9000, 7, 0, 0x2272},  // lesssim
    {9007, 6, 0, 0x297C},  // lfisht
    {9013, 6, 0, 0x230A},  // lfloor
    {9019, 3, 0, 0x1D529},  // lfr
    {9022, 2, 0, 0x2276},  // lg
    {9024, 3, 0, 0x2A91},  // lgE
    {9027, 5, 0, 0x21BD},  // lhard
    {9032, 5, 0, 0x21BC},  // lharu
    {9037, 6, 0, 0x296A},  // lharul
    {9043, 5, 0, 0x2584},  // lhblk
    {9048, 4, 0, 0x0459},  // ljcy
    {9052, 2, 0, 0x226A},  // ll
    {9054, 5, 0, 0x21C7},  // llarr
    {9059, 8, 0, 0x231E},  // llcorner
    {9067, 6, 0, 0x296B},  // llhard
    {9073, 5, 0, 0x25FA},  // lltri
    {9078, 6, 0, 0x0140},  // lmidot
    {9084, 6, 0, 0x23B0},  // lmoust
    {9090, 10, 0, 0x23B0},  // lmoustache
    {9100, 3, 0, 0x2268},  // lnE
    {9103, 4, 0, 0x2A89},  // lnap
    {9107, 8, 0, 0x2A89},  // lnapprox
    {9115, 3, 0, 0x2A87},  // lne
    {9118, 4, 0, 0x2A87},  // lneq
    {9122, 5, 0, 0x2268},  // lneqq
    {9127, 5, 0, 0x22E6},  // lnsim
    {9132, 5, 0, 0x27EC},  // loang
    {9137, 5, 0, 0x21FD},  // loarr
    {9142, 5, 0, 0x27E6},  // lobrk
    {9147, 13, 0, 0x27F5},  // longleftarrow
    {9160, 18, 0, 0x27F7},  // longleftrightarrow
    {9178, 10, 0, 0x27FC},  // longmapsto
    {9188, 14, 0, 0x27F6},  // longrightarrow
    {9202, 13, 0, 0x21AB},  // looparrowleft
    {9215, 14, 0, 0x21AC},  // looparrowright
    {9229, 5, 0, 0x2985},  // lopar
    {9234, 4, 0, 0x1D55D},  // lopf
    {9238, 6, 0, 0x2A2D},  // loplus
    {9244, 7, 0, 0x2A34},  // lotimes
    {9251, 6, 0, 0x2217},  // lowast
    {9257, 6, 0, 0x005F},  // lowbar
    {9263, 3, 0, 0x25CA},  // loz
    {9266, 7, 0, 0x25CA},  // lozenge
    {9273, 4, 0, 0x29EB},  // lozf
    {9277, 4, 0, 0x0028},  // lpar
    {9281, 6, 0, 0x2993},  // lparlt
    {9287, 5, 0, 0x21C6},  // lrarr
    {9292, 8, 0, 0x231F},  // lrcorner
    {9300, 5, 0, 0x21CB},  // lrhar
    {9305, 6, 0, 0x296D},  // lrhard
    {9311, 3, 0, 0x200E},  // lrm
    {9314, 5, 0, 0x22BF},  // lrtri
    {9319, 6, 0, 0x2039},  // lsaquo
    {9325, 4, 0, 0x1D4C1},  // lscr
    {9329, 3, 0, 0x21B0},  // lsh
    {9332, 4, 0, 0x2272},  // lsim
    {9336, 5, 0, 0x2A8D},  // lsime
    {9341, 5, 0, 0x2A8F},  // lsimg
    {9346, 4, 0, 0x005B},  // lsqb
    {9350, 5, 0, 0x2018},  // lsquo
    {9355, 6, 0, 0x201A},  // lsquor
    {9361, 6, 0, 0x0142},  // lstrok
    {9367, 2, 1, 0x003C},  // lt
    {9369, 4, 0, 0x2AA6},  // ltcc
    {9373, 5, 0, 0x2A79},  // ltcir
    {9378, 5, 0, 0x22D6},  // ltdot
    {9383, 6, 0, 0x22CB},  // lthree
    {9389, 6, 0, 0x22C9},  // ltimes
    {9395, 6, 0, 0x2976},  // ltlarr
    {9401, 7, 0, 0x2A7B},  // ltquest
    {9408, 6, 0, 0x2996},  // ltrPar
    {9414, 4, 0, 0x25C3},  // ltri
    {9418, 5, 0, 0x22B4},  // ltrie
    {9423, 5, 0, 0x25C2},  // ltrif
    {9428, 8, 0, 0x294A},  // lurdshar
    {9436, 7, 0, 0x2966},  // luruhar
    {9443, 9, 16, 0x2268},  // lvertneqq
    {9452, 4, 16, 0x2268},  // lvnE
    {9456, 5, 0, 0x223A},  // mDDot
    {9461, 4, 1, 0x00AF},  // macr
    {9465, 4, 0, 0x2642},  // male
    {9469, 4, 0, 0x2720},  // malt
    {9473, 7, 0, 0x2720},  // maltese
    {9480, 3, 0, 0x21A6},  // map
    {9483, 6, 0, 0x21A6},  // mapsto
    {9489, 10, 0, 0x21A7},  // mapstodown
    {9499, 10, 0, 0x21A4},  // mapstoleft
    {9509, 8, 0, 0x21A5},  // mapstoup
    {9517, 6, 0, 0x25AE},  // marker
    {9523, 6, 0, 0x2A29},  // mcomma
    {9529, 3, 0, 0x043C},  // mcy
    {9532, 5, 0, 0x2014},  // mdash
    {9537, 13, 0, 0x2221},  // measuredangle
    {9550, 3, 0, 0x1D52A},  // mfr
    {9553, 3, 0, 0x2127},  // mho
    {9556, 5, 1, 0x00B5},  // micro
    {9561, 3, 0, 0x2223},  // mid
    {9564, 6, 0, 0x002A},  // midast
    {9570, 6, 0, 0x2AF0},  // midcir
    {9576, 6, 1, 0x00B7},  // middot
    {9582, 5, 0, 0x2212},  // minus
    {9587, 6, 0, 0x229F},  // minusb
    {9593, 6, 0, 0x2238},  // minusd
    {9599, 7, 0, 0x2A2A},  // minusdu
    {9606, 4, 0, 0x2ADB},  // mlcp
    {9610, 4, 0, 0x2026},  // mldr
    {9614, 6, 0, 0x2213},  // mnplus
    {9620, 6, 0, 0x22A7},  // models
    {9626, 4, 0, 0x1D55E},  // mopf
    {9630, 2, 0, 0x2213},  // mp
    {9632, 4, 0, 0x1D4C2},  // mscr
    {9636, 6, 0, 0x223E},  // mstpos
    {9642, 2, 0, 0x03BC},  // mu
    {9644, 8, 0, 0x22B8},  // multimap
    {9652, 5, 0, 0x22B8},  // mumap
    {9657, 3, 8, 0x22D9},  // nGg
    {9660, 3, 12, 0x226B},  // nGt
    {9663, 4, 8, 0x226B},  // nGtv
    {9667, 10, 0, 0x21CD},  // nLeftarrow
    {9677, 15, 0, 0x21CE},  // nLeftrightarrow
    {9692, 3, 8, 0x22D8},  // nLl
    {9695, 3, 12, 0x226A},  // nLt
    {9698, 4, 8, 0x226A},  // nLtv
    {9702, 11, 0, 0x21CF},  // nRightarrow
    {9713, 6, 0, 0x22AF},  // nVDash
    {9719, 6, 0, 0x22AE},  // nVdash
    {9725, 5, 0, 0x2207},  // nabla
    {9730, 6, 0, 0x0144},  // nacute
    {9736, 4, 12, 0x2220},  // nang
    {9740, 3, 0, 0x2249},  // nap
    {9743, 4, 8, 0x2A70},  // napE
    {9747, 5, 8, 0x224B},  // napid
    {9752, 5, 0, 0x0149},  // napos
    {9757, 7, 0, 0x2249},  // napprox
    {9764, 5, 0, 0x266E},  // natur
    {9769, 7, 0, 0x266E},  // natural
    {9776, 8, 0, 0x2115},  // naturals
    {9784, 4, 1, 0x00A0},  // nbsp
    {9788, 5, 8, 0x224E},  // nbump
    {9793, 6, 8, 0x224F},  // nbumpe
    {9799, 4, 0, 0x2A43},  // ncap
    {9803, 6, 0, 0x0148},  // ncaron
    {9809, 6, 0, 0x0146},  // ncedil
    {9815, 5, 0, 0x2247},  // ncong
    {9820, 8, 8, 0x2A6D},  // ncongdot
    {9828, 4, 0, 0x2A42},  // ncup
    {9832, 3, 0, 0x043D},  // ncy
    {9835, 5, 0, 0x2013},  // ndash
    {9840, 2, 0, 0x2260},  // ne
    {9842, 5, 0, 0x21D7},  // neArr
    {9847, 6, 0, 0x2924},  // nearhk
    {9853, 5, 0, 0x2197},  // nearr
    {9858, 7, 0, 0x2197},  // nearrow
    {9865, 5, 8, 0x2250},  // nedot
    {9870, 6, 0, 0x2262},  // nequiv
    {9876, 6, 0, 0x2928},  // nesear
    {9882, 5, 8, 0x2242},  // nesim
    {9887, 6, 0, 0x2204},  // nexist
    {9893, 7, 0, 0x2204},  // nexists
    {9900, 3, 0, 0x1D52B},  // nfr
    {9903, 3, 8, 0x2267},  // ngE
    {9906, 3, 0, 0x2271},  // nge
    {9909, 4, 0, 0x2271},  // ngeq
    {9913, 5, 8, 0x2267},  // ngeqq
    {9918, 9, 8, 0x2A7E},  // ngeqslant
    {9927, 4, 8, 0x2A7E},  // nges
    {9931, 5, 0, 0x2275},  // ngsim
    {9936, 3, 0, 0x226F},  // ngt
    {9939, 4, 0, 0x226F},  // ngtr
    {9943, 5, 0, 0x21CE},  // nhArr
    {9948, 5, 0, 0x21AE},  // nharr
    {9953, 5, 0, 0x2AF2},  // nhpar
    {9958, 2, 0, 0x220B},  // ni
    {9960, 3, 0, 0x22FC},  // nis
    {9963, 4, 0, 0x22FA},  // nisd
    {9967, 3, 0, 0x220B},  // niv
    {9970, 4, 0, 0x045A},  // njcy
    {9974, 5, 0, 0x21CD},  // nlArr
    {9979, 3, 8, 0x2266},  // nlE
    {9982, 5, 0, 0x219A},  // nlarr
    {9987, 4, 0, 0x2025},  // nldr
    {9991, 3, 0, 0x2270},  // nle
    {9994, 10, 0, 0x219A},  // nleftarrow
    {10004, 15, 0, 0x21AE},  // nleftrightarrow
    {10019, 4, 0, 0x2270},  // nleq
    {10023, 5, 8, 0x2266},  // nleqq
    {10028, 9, 8, 0x2A7D},  // nleqslant
    {10037, 4, 8, 0x2A7D},  // nles
    {10041, 5, 0, 0x226E},  // nless
    {10046, 5, 0, 0x2274},  // nlsim
    {10051, 3, 0, 0x226E},  // nlt
    {10054, 5, 0, 0x22EA},  // nltri
    {10059, 6, 0, 0x22EC},  // nltrie
    {10065, 4, 0, 0x2224},  // nmid
    {10069, 4, 0, 0x1D55F},  // nopf
    {10073, 3, 1, 0x00AC},  // not
    {10076, 5, 0, 0x2209},  // notin
    {10081, 6, 8, 0x22F9},  // notinE
    {10087, 8, 8, 0x22F5},  // notindot
    {10095, 7, 0, 0x2209},  // notinva
    {10102, 7, 0, 0x22F7},  // notinvb
    {10109, 7, 0, 0x22F6},  // notinvc
    {10116, 5, 0, 0x220C},  // notni
    {10121, 7, 0, 0x220C},  // notniva
    {10128, 7, 0, 0x22FE},  // notnivb
    {10135, 7, 0, 0x22FD},  // notnivc
    {10142, 4, 0, 0x2226},  // npar
    {10146, 9, 0, 0x2226},  // nparallel
    {10155, 6, 14, 0x2AFD},  // nparsl
    {10161, 5, 8, 0x2202},  // npart
    {10166, 7, 0, 0x2A14},  // npolint
    {10173, 3, 0, 0x2280},  // npr
    {10176, 6, 0, 0x22E0},  // nprcue
    {10182, 4, 8, 0x2AAF},  // npre
    {10186, 5, 0, 0x2280},  // nprec
    {10191, 7, 8, 0x2AAF},  // npreceq
    {10198, 5, 0, 0x21CF},  // nrArr
    {10203, 5, 0, 0x219B},  // nrarr
    {10208, 6, 8, 0x2933},  // nrarrc
    {10214, 6, 8, 0x219D},  // nrarrw
    {10220, 11, 0, 0x219B},  // nrightarrow
    {10231, 5, 0, 0x22EB},  // nrtri
    {10236, 6, 0, 0x22ED},  // nrtrie
    {10242, 3, 0, 0x2281},  // nsc
    {10245, 6, 0, 0x22E1},  // nsccue
    {10251, 4, 8, 0x2AB0},  // nsce
    {10255, 4, 0, 0x1D4C3},  // nscr
    {10259, 9, 0, 0x2224},  // nshortmid
    {10268, 14, 0, 0x2226},  // nshortparallel
    {10282, 4, 0, 0x2241},  // nsim
    {10286, 5, 0, 0x2244},  // nsime
    {10291, 6, 0, 0x2244},  // nsimeq
    {10297, 5, 0, 0x2224},  // nsmid
    {10302, 5, 0, 0x2226},  // nspar
    {10307, 7, 0, 0x22E2},  // nsqsube
    {10314, 7, 0, 0x22E3},  // nsqsupe
    {10321, 4, 0, 0x2284},  // nsub
    {10325, 5, 8, 0x2AC5},  // nsubE
    {10330, 5, 0, 0x2288},  // nsube
    {10335, 7, 12, 0x2282},  // nsubset
    {10342, 9, 0, 0x2288},  // nsubseteq
    {10351, 10, 8, 0x2AC5},  // nsubseteqq
    {10361, 5, 0, 0x2281},  // nsucc
    {10366, 7, 8, 0x2AB0},  // nsucceq
    {10373, 4, 0, 0x2285},  // nsup
    {10377, 5, 8, 0x2AC6},  // nsupE
    {10382, 5, 0, 0x2289},  // nsupe
    {10387, 7, 12, 0x2283},  // nsupset
    {10394, 9, 0, 0x2289},  // nsupseteq
    {10403, 10, 8, 0x2AC6},  // nsupseteqq
    {10413, 4, 0, 0x2279},  // ntgl
    {10417, 6, 1, 0x00F1},  // ntilde
    {10423, 4, 0, 0x2278},  // ntlg
    {10427, 13, 0, 0x22EA},  // ntriangleleft
    {10440, 15, 0, 0x22EC},  // ntrianglelefteq
    {10455, 14, 0, 0x22EB},  // ntriangleright
    {10469, 16, 0, 0x22ED},  // ntrianglerighteq
    {10485, 2, 0, 0x03BD},  // nu
    {10487, 3, 0, 0x0023},  // num
    {10490, 6, 0, 0x2116},  // numero
    {10496, 5, 0, 0x2007},  // numsp
    {10501, 6, 0, 0x22AD},  // nvDash
    {10507, 6, 0, 0x2904},  // nvHarr
    {10513, 4, 12, 0x224D},  // nvap
    {10517, 6, 0, 0x22AC},  // nvdash
    {10523, 4, 12, 0x2265},  // nvge
    {10527, 4, 12, 0x003E},  // nvgt
    {10531, 7, 0, 0x29DE},  // nvinfin
    {10538, 6, 0, 0x2902},  // nvlArr
    {10544, 4, 12, 0x2264},  // nvle
    {10548, 4, 12, 0x003C},  // nvlt
    {10552, 7, 12, 0x22B4},  // nvltrie
    {10559, 6, 0, 0x2903},  // nvrArr
    {10565, 7, 12, 0x22B5},  // nvrtrie
    {10572, 5, 12, 0x223C},  // nvsim
    {10577, 5, 0, 0x21D6},  // nwArr
    {10582, 6, 0, 0x2923},  // nwarhk
    {10588, 5, 0, 0x2196},  // nwarr
    {10593, 7, 0, 0x2196},  // nwarrow
    {10600, 6, 0, 0x2927},  // nwnear
    {10606, 2, 0, 0x24C8},  // oS
    {10608, 6, 1, 0x00F3},  // oacute
    {10614, 4, 0, 0x229B},  // oast
    {10618, 4, 0, 0x229A},  // ocir
    {10622, 5, 1, 0x00F4},  // ocirc
    {10627, 3, 0, 0x043E},  // ocy
    {10630, 5, 0, 0x229D},  // odash
    {10635, 6, 0, 0x0151},  // odblac
    {10641, 4, 0, 0x2A38},  // odiv
    {10645, 4, 0, 0x2299},  // odot
    {10649, 6, 0, 0x29BC},  // odsold
    {10655, 5, 0, 0x0153},  // oelig
    {10660, 5, 0, 0x29BF},  // ofcir
    {10665, 3, 0, 0x1D52C},  // ofr
    {10668, 4, 0, 0x02DB},  // ogon
    {10672, 6, 1, 0x00F2},  // ograve
    {10678, 3, 0, 0x29C1},  // ogt
    {10681, 5, 0, 0x29B5},  // ohbar
    {10686, 3, 0, 0x03A9},  // ohm
    {10689, 4, 0, 0x222E},  // oint
    {10693, 5, 0, 0x21BA},  // olarr
    {10698, 5, 0, 0x29BE},  // olcir
    {10703, 7, 0, 0x29BB},  // olcross
    {10710, 5, 0, 0x203E},  // oline
    {10715, 3, 0, 0x29C0},  // olt
    {10718, 5, 0, 0x014D},  // omacr
    {10723, 5, 0, 0x03C9},  // omega
    {10728, 7, 0, 0x03BF},  // omicron
    {10735, 4, 0, 0x29B6},  // omid
    {10739, 6, 0, 0x2296},  // ominus
    {10745, 4, 0, 0x1D560},  // oopf
    {10749, 4, 0, 0x29B7},  // opar
    {10753, 5, 0, 0x29B9},  // operp
    {10758, 5, 0, 0x2295},  // oplus
    {10763, 2, 0, 0x2228},  // or
    {10765, 5, 0, 0x21BB},  // orarr
    {10770, 3, 0, 0x2A5D},  // ord
    {10773, 5, 0, 0x2134},  // order
    {10778, 7, 0, 0x2134},  // orderof
    {10785, 4, 1, 0x00AA},  // ordf
    {10789, 4, 1, 0x00BA},  // ordm
    {10793, 6, 0, 0x22B6},  // origof
    {10799, 4, 0, 0x2A56},  // oror
    {10803, 7, 0, 0x2A57},  // orslope
    {10810, 3, 0, 0x2A5B},  // orv
    {10813, 4, 0, 0x2134},  // oscr
    {10817, 6, 1, 0x00F8},  // oslash
    {10823, 4, 0, 0x2298},  // osol
    {10827, 6, 1, 0x00F5},  // otilde
    {10833, 6, 0, 0x2297},  // otimes
    {10839, 8, 0, 0x2A36},  // otimesas
    {10847, 4, 1, 0x00F6},  // ouml
    {10851, 5, 0, 0x233D},  // ovbar
    {10856, 3, 0, 0x2225},  // par
    {10859, 4, 1, 0x00B6},  // para
    {10863, 8, 0, 0x2225},  // parallel
    {10871, 6, 0, 0x2AF3},  // parsim
    {10877, 5, 0, 0x2AFD},  // parsl
    {10882, 4, 0, 0x2202},  // part
    {10886, 3, 0, 0x043F},  // pcy
    {10889, 6, 0, 0x0025},  // percnt
    {10895, 6, 0, 0x002E},  // period
    {10901, 6, 0, 0x2030},  // permil
    {10907, 4, 0, 0x22A5},  // perp
    {10911, 7, 0, 0x2031},  // pertenk
    {10918, 3, 0, 0x1D52D},  // pfr
    {10921, 3, 0, 0x03C6},  // phi
    {10924, 4, 0, 0x03D5},  // phiv
    {10928, 6, 0, 0x2133},  // phmmat
    {10934, 5, 0, 0x260E},  // phone
    {10939, 2, 0, 0x03C0},  // pi
    {10941, 9, 0, 0x22D4},  // pitchfork
    {10950, 3, 0, 0x03D6},  // piv
    {10953, 6, 0, 0x210F},  // planck
    {10959, 7, 0, 0x210E},  // planckh
    {10966, 6, 0, 0x210F},  // plankv
    {10972, 4, 0, 0x002B},  // plus
    {10976, 8, 0, 0x2A23},  // plusacir
    {10984, 5, 0, 0x229E},  // plusb
    {10989, 7, 0, 0x2A22},  // pluscir
    {10996, 6, 0, 0x2214},  // plusdo
    {11002, 6, 0, 0x2A25},  // plusdu
    {11008, 5, 0, 0x2A72},  // pluse
    {11013, 6, 1, 0x00B1},  // plusmn
    {11019, 7, 0, 0x2A26},  // plussim
    {11026, 7, 0, 0x2A27},  // plustwo
    {11033, 2, 0, 0x00B1},  // pm
    {11035, 8, 0, 0x2A15},  // pointint
    {11043, 4, 0, 0x1D561},  // popf
    {11047, 5, 1, 0x00A3},  // pound
    {11052, 2, 0, 0x227A},  // pr
    {11054, 3, 0, 0x2AB3},  // prE
    {11057, 4, 0, 0x2AB7},  // prap
    {11061, 5, 0, 0x227C},  // prcue
    {11066, 3, 0, 0x2AAF},  // pre
    {11069, 4, 0, 0x227A},  // prec
    {11073, 10, 0, 0x2AB7},  // precapprox
    {11083, 11, 0, 0x227C},  // preccurlyeq
    {11094, 6, 0, 0x2AAF},  // preceq
    {11100, 11, 0, 0x2AB9},  // precnapprox
    {11111, 8, 0, 0x2AB5},  // precneqq
    {11119, 8, 0, 0x22E8},  // precnsim
    {11127, 7, 0, 0x227E},  // precsim
    {11134, 5, 0, 0x2032},  // prime
    {11139, 6, 0, 0x2119},  // primes
    {11145, 4, 0, 0x2AB5},  // prnE
    {11149, 5, 0, 0x2AB9},  // prnap
    {11154, 6, 0, 0x22E8},  // prnsim
    {11160, 4, 0, 0x220F},  // prod
    {11164, 8, 0, 0x232E},  // profalar
    {11172, 8, 0, 0x2312},  // profline
    {11180, 8, 0, 0x2313},  // profsurf
    {11188, 4, 0, 0x221D},  // prop
    {11192, 6, 0, 0x221D},  // propto
    {11198, 5, 0, 0x227E},  // prsim
    {11203, 6, 0, 0x22B0},  // prurel
    {11209, 4, 0, 0x1D4C5},  // pscr
    {11213, 3, 0, 0x03C8},  // psi
    {11216, 6, 0, 0x2008},  // puncsp
    {11222, 3, 0, 0x1D52E},  // qfr
    {11225, 4, 0, 0x2A0C},  // qint
    {11229, 4, 0, 0x1D562},  // qopf
    {11233, 6, 0, 0x2057},  // qprime
    {11239, 4, 0, 0x1D4C6},  // qscr
    {11243, 11, 0, 0x210D},  // quaternions
    {11254, 7, 0, 0x2A16},  // quatint
    {11261, 5, 0, 0x003F},  // quest
    {11266, 7, 0, 0x225F},  // questeq
    {11273, 4, 1, 0x0022},  // quot
    {11277, 5, 0, 0x21DB},  // rAarr
    {11282, 4, 0, 0x21D2},  // rArr
    {11286, 6, 0, 0x291C},  // rAtail
    {11292, 5, 0, 0x290F},  // rBarr
    {11297, 4, 0, 0x2964},  // rHar
    {11301, 4, 4, 0x223D},  // race
    {11305, 6, 0, 0x0155},  // racute
    {11311, 5, 0, 0x221A},  // radic
    {11316, 8, 0, 0x29B3},  // raemptyv
    {11324, 4, 0, 0x27E9},  // rang
    {11328, 5, 0, 0x2992},  // rangd
    {11333, 5, 0, 0x29A5},  // range
    {11338, 6, 0, 0x27E9},  // rangle
    {11344, 5, 1, 0x00BB},  // raquo
    {11349, 4, 0, 0x2192},  // rarr
    {11353, 6, 0, 0x2975},  // rarrap
    {11359, 5, 0, 0x21E5},  // rarrb
    {11364, 7, 0, 0x2920},  // rarrbfs
    {11371, 5, 0, 0x2933},  // rarrc
    {11376, 6, 0, 0x291E},  // rarrfs
    {11382, 6, 0, 0x21AA},  // rarrhk
    {11388, 6, 0, 0x21AC},  // rarrlp
    {11394, 6, 0, 0x2945},  // rarrpl
    {11400, 7, 0, 0x2974},  // rarrsim
    {11407, 6, 0, 0x21A3},  // rarrtl
    {11413, 5, 0, 0x219D},  // rarrw
    {11418, 6, 0, 0x291A},  // ratail
    {11424, 5, 0, 0x2236},  // ratio
    {11429, 9, 0, 0x211A},  // rationals
    {11438, 5, 0, 0x290D},  // rbarr
    {11443, 5, 0, 0x2773},  // rbbrk
    {11448, 6, 0, 0x007D},  // rbrace
    {11454, 6, 0, 0x005D},  // rbrack
    {11460, 5, 0, 0x298C},  // rbrke
    {11465, 7, 0, 0x298E},  // rbrksld
    {11472, 7, 0, 0x2990},  // rbrkslu
    {11479, 6, 0, 0x0159},  // rcaron
    {11485, 6, 0, 0x0157},  // rcedil
    {11491, 5, 0, 0x2309},  // rceil
    {11496, 4, 0, 0x007D},  // rcub
    {11500, 3, 0, 0x0440},  // rcy
    {11503, 4, 0, 0x2937},  // rdca
    {11507, 7, 0, 0x2969},  // rdldhar
    {11514, 5, 0, 0x201D},  // rdquo
    {11519, 6, 0, 0x201D},  // rdquor
    {11525, 4, 0, 0x21B3},  // rdsh
    {11529, 4, 0, 0x211C},  // real
    {11533, 7, 0, 0x211B},  // realine
    {11540, 8, 0, 0x211C},  // realpart
    {11548, 5, 0, 0x211D},  // reals
    {11553, 4, 0, 0x25AD},  // rect
    {11557, 3, 1, 0x00AE},  // reg
    {11560, 6, 0, 0x297D},  // rfisht
    {11566, 6, 0, 0x230B},  // rfloor
    {11572, 3, 0, 0x1D52F},  // rfr
    {11575, 5, 0, 0x21C1},  // rhard
    {11580, 5, 0, 0x21C0},  // rharu
    {11585, 6, 0, 0x296C},  // rharul
    {11591, 3, 0, 0x03C1},  // rho
    {11594, 4, 0, 0x03F1},  // rhov
    {11598, 10, 0, 0x2192},  // rightarrow
    {11608, 14, 0, 0x21A3},  // rightarrowtail
    {11622, 16, 0, 0x21C1},  // rightharpoondown
    {11638, 14, 0, 0x21C0},  // rightharpoonup
    {11652, 15, 0, 0x21C4},  // rightleftarrows
    {11667, 17, 0, 0x21CC},  // rightleftharpoons
    {11684, 16, 0, 0x21C9},  // rightrightarrows
    {11700, 15, 0, 0x219D},  // rightsquigarrow
    {11715, 15, 0, 0x22CC},  // rightthreetimes
    {11730, 4, 0, 0x02DA},  // ring
    {11734, 12, 0, 0x2253},  // risingdotseq
    {11746, 5, 0, 0x21C4},  // rlarr
    {11751, 5, 0, 0x21CC},  // rlhar
    {11756, 3, 0, 0x200F},  // rlm
    {11759, 6, 0, 0x23B1},  // rmoust
    {11765, 10, 0, 0x23B1},  // rmoustache
    {11775, 5, 0, 0x2AEE},  // rnmid
    {11780, 5, 0, 0x27ED},  // roang
    {11785, 5, 0, 0x21FE},  // roarr
    {11790, 5, 0, 0x27E7},  // robrk
    {11795, 5, 0, 0x2986},  // ropar
    {11800, 4, 0, 0x1D563},  // ropf
    {11804, 6, 0, 0x2A2E},  // roplus
    {11810, 7, 0, 0x2A35},  // rotimes
    {11817, 4, 0, 0x0029},  // rpar
    {11821, 6, 0, 0x2994},  // rpargt
    {11827, 8, 0, 0x2A12},  // rppolint
    {11835, 5, 0, 0x21C9},  // rrarr
    {11840, 6, 0, 0x203A},  // rsaquo
    {11846, 4, 0, 0x1D4C7},  // rscr
    {11850, 3, 0, 0x21B1},  // rsh
    {11853, 4, 0, 0x005D},  // rsqb
    {11857, 5, 0, 0x2019},  // rsquo
    {11862, 6, 0, 0x2019},  // rsquor
    {11868, 6, 0, 0x22CC},  // rthree
    {11874, 6, 0, 0x22CA},  // rtimes
    {11880, 4, 0, 0x25B9},  // rtri
    {11884, 5, 0, 0x22B5},  // rtrie
    {11889, 5, 0, 0x25B8},  // rtrif
    {11894, 8, 0, 0x29CE},  // rtriltri
    {11902, 7, 0, 0x2968},  // ruluhar
    {11909, 2, 0, 0x211E},  // rx
    {11911, 6, 0, 0x015B},  // sacute
    {11917, 5, 0, 0x201A},  // sbquo
    {11922, 2, 0, 0x227B},  // sc
    {11924, 3, 0, 0x2AB4},  // scE
    {11927, 4, 0, 0x2AB8},  // scap
    {11931, 6, 0, 0x0161},  // scaron
    {11937, 5, 0, 0x227D},  // sccue
    {11942, 3, 0, 0x2AB0},  // sce
    {11945, 6, 0, 0x015F},  // scedil
    {11951, 5, 0, 0x015D},  // scirc
    {11956, 4, 0, 0x2AB6},  // scnE
    {11960, 5, 0, 0x2ABA},  // scnap
    {11965, 6, 0, 0x22E9},  // scnsim
    {11971, 8, 0, 0x2A13},  // scpolint
    {11979, 5, 0, 0x227F},  // scsim
    {11984, 3, 0, 0x0441},  // scy
    {11987, 4, 0, 0x22C5},  // sdot
    {11991, 5, 0, 0x22A1},  // sdotb
    {11996, 5, 0, 0x2A66},  // sdote
    {12001, 5, 0, 0x21D8},  // seArr
    {12006, 6, 0, 0x2925},  // searhk
    {12012, 5, 0, 0x2198},  // searr
    {12017, 7, 0, 0x2198},  // searrow
    {12024, 4, 1, 0x00A7},  // sect
    {12028, 4, 0, 0x003B},  // semi
    {12032, 6, 0, 0x2929},  // seswar
    {12038, 8, 0, 0x2216},  // setminus
    {12046, 5, 0, 0x2216},  // setmn
    {12051, 4, 0, 0x2736},  // sext
    {12055, 3, 0, 0x1D530},  // sfr
    {12058, 6, 0, 0x2322},  // sfrown
    {12064, 5, 0, 0x266F},  // sharp
    {12069, 6, 0, 0x0449},  // shchcy
    {12075, 4, 0, 0x0448},  // shcy
    {12079, 8, 0, 0x2223},  // shortmid
    {12087, 13, 0, 0x2225},  // shortparallel
    {12100, 3, 1, 0x00AD},  // shy
    {12103, 5, 0, 0x03C3},  // sigma
    {12108, 6, 0, 0x03C2},  // sigmaf
    {12114, 6, 0, 0x03C2},  // sigmav
    {12120, 3, 0, 0x223C},  // sim
    {12123, 6, 0, 0x2A6A},  // simdot
    {12129, 4, 0, 0x2243},  // sime
    {12133, 5, 0, 0x2243},  // simeq
    {12138, 4, 0, 0x2A9E},  // simg
    {12142, 5, 0, 0x2AA0},  // simgE
    {12147, 4, 0, 0x2A9D},  // siml
    {12151, 5, 0, 0x2A9F},  // simlE
    {12156, 5, 0, 0x2246},  // simne
    {12161, 7, 0, 0x2A24},  // simplus
    {12168, 7, 0, 0x2972},  // simrarr
    {12175, 5, 0, 0x2190},  // slarr
    {12180, 13, 0, 0x2216},  // smallsetminus
    {12193, 6, 0, 0x2A33},  // smashp
    {12199, 8, 0, 0x29E4},  // smeparsl
    {12207, 4, 0, 0x2223},  // smid
    {12211, 5, 0, 0x2323},  // smile
    {12216, 3, 0, 0x2AAA},  // smt
    {12219, 4, 0, 0x2AAC},  // smte
    {12223, 5, 16, 0x2AAC},  // smtes
    {12228, 6, 0, 0x044C},  // softcy
    {12234, 3, 0, 0x002F},  // sol
    {12237, 4, 0, 0x29C4},  // solb
    {12241, 6, 0, 0x233F},  // solbar
    {12247, 4, 0, 0x1D564},  // sopf
    {12251, 6, 0, 0x2660},  // spades
    {12257, 9, 0, 0x2660},  // spadesuit
    {12266, 4, 0, 0x2225},  // spar
    {12270, 5, 0, 0x2293},  // sqcap
    {12275, 6, 16, 0x2293},  // sqcaps
    {12281, 5, 0, 0x2294},  // sqcup
    {12286, 6, 16, 0x2294},  // sqcups
    {12292, 5, 0, 0x228F},  // sqsub
    {12297, 6, 0, 0x2291},  // sqsube
    {12303, 8, 0, 0x228F},  // sqsubset
    {12311, 10, 0, 0x2291},  // sqsubseteq
    {12321, 5, 0, 0x2290},  // sqsup
    {12326, 6, 0, 0x2292},  // sqsupe
    {12332, 8, 0, 0x2290},  // sqsupset
    {12340, 10, 0, 0x2292},  // sqsupseteq
    {12350, 3, 0, 0x25A1},  // squ
    {12353, 6, 0, 0x25A1},  // square
    {12359, 6, 0, 0x25AA},  // squarf
    {12365, 4, 0, 0x25AA},  // squf
    {12369, 5, 0, 0x2192},  // srarr
    {12374, 4, 0, 0x1D4C8},  // sscr
    {12378, 6, 0, 0x2216},  // ssetmn
    {12384, 6, 0, 0x2323},  // ssmile
    {12390, 6, 0, 0x22C6},  // sstarf
    {12396, 4, 0, 0x2606},  // star
    {12400, 5, 0, 0x2605},  // starf
    {12405, 15, 0, 0x03F5},  // straightepsilon
    {12420, 11, 0, 0x03D5},  // straightphi
    {12431, 5, 0, 0x00AF},  // strns
    {12436, 3, 0, 0x2282},  // sub
    {12439, 4, 0, 0x2AC5},  // subE
    {12443, 6, 0, 0x2ABD},  // subdot
    {12449, 4, 0, 0x2286},  // sube
    {12453, 7, 0, 0x2AC3},  // subedot
    {12460, 7, 0, 0x2AC1},  // submult
    {12467, 5, 0, 0x2ACB},  // subnE
    {12472, 5, 0, 0x228A},  // subne
    {12477, 7, 0, 0x2ABF},  // subplus
    {12484, 7, 0, 0x2979},  // subrarr
    {12491, 6, 0, 0x2282},  // subset
    {12497, 8, 0, 0x2286},  // subseteq
    {12505, 9, 0, 0x2AC5},  // subseteqq
    {12514, 9, 0, 0x228A},  // subsetneq
    {12523, 10, 0, 0x2ACB},  // subsetneqq
    {12533, 6, 0, 0x2AC7},  // subsim
    {12539, 6, 0, 0x2AD5},  // subsub
    {12545, 6, 0, 0x2AD3},  // subsup
    {12551, 4, 0, 0x227B},  // succ
    {12555, 10, 0, 0x2AB8},  // succapprox
    {12565, 11, 0, 0x227D},  // succcurlyeq
    {12576, 6, 0, 0x2AB0},  // succeq
    {12582, 11, 0, 0x2ABA},  // succnapprox
    {12593, 8, 0, 0x2AB6},  // succneqq
    {12601, 8, 0, 0x22E9},  // succnsim
    {12609, 7, 0, 0x227F},  // succsim
    {12616, 3, 0, 0x2211},  // sum
    {12619, 4, 0, 0x266A},  // sung
    {12623, 3, 0, 0x2283},  // sup
    {12626, 4, 1, 0x00B9},  // sup1
    {12630, 4, 1, 0x00B2},  // sup2
    {12634, 4, 1, 0x00B3},  // sup3
    {12638, 4, 0, 0x2AC6},  // supE
    {12642, 6, 0, 0x2ABE},  // supdot
    {12648, 7, 0, 0x2AD8},  // supdsub
    {12655, 4, 0, 0x2287},  // supe
    {12659, 7, 0, 0x2AC4},  // supedot
    {12666, 7, 0, 0x27C9},  // suphsol
    {12673, 7, 0, 0x2AD7},  // suphsub
    {12680, 7, 0, 0x297B},  // suplarr
    {12687, 7, 0, 0x2AC2},  // supmult
    {12694, 5, 0, 0x2ACC},  // supnE
    {12699, 5, 0, 0x228B},  // supne
    {12704, 7, 0, 0x2AC0},  // supplus
    {12711, 6, 0, 0x2283},  // supset
    {12717, 8, 0, 0x2287},  // supseteq
    {12725, 9, 0, 0x2AC6},  // supseteqq
    {12734, 9, 0, 0x228B},  // supsetneq
    {12743, 10, 0, 0x2ACC},  // supsetneqq
    {12753, 6, 0, 0x2AC8},  // supsim
    {12759, 6, 0, 0x2AD4},  // supsub
    {12765, 6, 0, 0x2AD6},  // supsup
    {12771, 5, 0, 0x21D9},  // swArr
    {12776, 6, 0, 0x2926},  // swarhk
    {12782, 5, 0, 0x2199},  // swarr
    {12787, 7, 0, 0x2199},  // swarrow
    {12794, 6, 0, 0x292A},  // swnwar
    {12800, 5, 1, 0x00DF},  // szlig
    {12805, 6, 0, 0x2316},  // target
    {12811, 3, 0, 0x03C4},  // tau
    {12814, 4, 0, 0x23B4},  // tbrk
    {12818, 6, 0, 0x0165},  // tcaron
    {12824, 6, 0, 0x0163},  // tcedil
    {12830, 3, 0, 0x0442},  // tcy
    {12833, 4, 0, 0x20DB},  // tdot
    {12837, 6, 0, 0x2315},  // telrec
    {12843, 3, 0, 0x1D531},  // tfr
    {12846, 6, 0, 0x2234},  // there4
    {12852, 9, 0, 0x2234},  // therefore
    {12861, 5, 0, 0x03B8},  // theta
    {12866, 8, 0, 0x03D1},  // thetasym
    {12874, 6, 0, 0x03D1},  // thetav
    {12880, 11, 0, 0x2248},  // thickapprox
    {12891, 8, 0, 0x223C},  // thicksim
    {12899, 6, 0, 0x2009},  // thinsp
    {12905, 5, 0, 0x2248},  // thkap
    {12910, 6, 0, 0x223C},  // thksim
    {12916, 5, 1, 0x00FE},  // thorn
    {12921, 5, 0, 0x02DC},  // tilde
    {12926, 5, 1, 0x00D7},  // times
    {12931, 6, 0, 0x22A0},  // timesb
    {12937, 8, 0, 0x2A31},  // timesbar
    {12945, 6, 0, 0x2A30},  // timesd
    {12951, 4, 0, 0x222D},  // tint
    {12955, 4, 0, 0x2928},  // toea
    {12959, 3, 0, 0x22A4},  // top
    {12962, 6, 0, 0x2336},  // topbot
    {12968, 6, 0, 0x2AF1},  // topcir
    {12974, 4, 0, 0x1D565},  // topf
    {12978, 7, 0, 0x2ADA},  // topfork
    {12985, 4, 0, 0x2929},  // tosa
    {12989, 6, 0, 0x2034},  // tprime
    {12995, 5, 0, 0x2122},  // trade
    {13000, 8, 0, 0x25B5},  // triangle
    {13008, 12, 0, 0x25BF},  // triangledown
    {13020, 12, 0, 0x25C3},  // triangleleft
    {13032, 14, 0, 0x22B4},  // trianglelefteq
    {13046, 9, 0, 0x225C},  // triangleq
    {13055, 13, 0, 0x25B9},  // triangleright
    {13068, 15, 0, 0x22B5},  // trianglerighteq
    {13083, 6, 0, 0x25EC},  // tridot
    {13089, 4, 0, 0x225C},  // trie
    {13093, 8, 0, 0x2A3A},  // triminus
    {13101, 7, 0, 0x2A39},  // triplus
    {13108, 5, 0, 0x29CD},  // trisb
    {13113, 7, 0, 0x2A3B},  // tritime
    {13120, 8, 0, 0x23E2},  // trpezium
    {13128, 4, 0, 0x1D4C9},  // tscr
    {13132, 4, 0, 0x0446},  // tscy
    {13136, 5, 0, 0x045B},  // tshcy
    {13141, 6, 0, 0x0167},  // tstrok
    {13147, 5, 0, 0x226C},  // twixt
    {13152, 16, 0, 0x219E},  // twoheadleftarrow
    {13168, 17, 0, 0x21A0},  // twoheadrightarrow
    {13185, 4, 0, 0x21D1},  // uArr
    {13189, 4, 0, 0x2963},  // uHar
    {13193, 6, 1, 0x00FA},  // uacute
    {13199, 4, 0, 0x2191},  // uarr
    {13203, 5, 0, 0x045E},  // ubrcy
    {13208, 6, 0, 0x016D},  // ubreve
    {13214, 5, 1, 0x00FB},  // ucirc
    {13219, 3, 0, 0x0443},  // ucy
    {13222, 5, 0, 0x21C5},  // udarr
    {13227, 6, 0, 0x0171},  // udblac
    {13233, 5, 0, 0x296E},  // udhar
    {13238, 6, 0, 0x297E},  // ufisht
    {13244, 3, 0, 0x1D532},  // ufr
    {13247, 6, 1, 0x00F9},  // ugrave
    {13253, 5, 0, 0x21BF},  // uharl
    {13258, 5, 0, 0x21BE},  // uharr
    {13263, 5, 0, 0x2580},  // uhblk
    {13268, 6, 0, 0x231C},  // ulcorn
    {13274, 8, 0, 0x231C},  // ulcorner
    {13282, 6, 0, 0x230F},  // ulcrop
    {13288, 5, 0, 0x25F8},  // ultri
    {13293, 5, 0, 0x016B},  // umacr
    {13298, 3, 1, 0x00A8},  // uml
    {13301, 5, 0, 0x0173},  // uogon
    {13306, 4, 0, 0x1D566},  // uopf
    {13310, 7, 0, 0x2191},  // uparrow
    {13317, 11, 0, 0x2195},  // updownarrow
    {13328, 13, 0, 0x21BF},  // upharpoonleft
    {13341, 14, 0, 0x21BE},  // upharpoonright
    {13355, 5, 0, 0x228E},  // uplus
    {13360, 4, 0, 0x03C5},  // upsi
    {13364, 5, 0, 0x03D2},  // upsih
    {13369, 7, 0, 0x03C5},  // upsilon
    {13376, 10, 0, 0x21C8},  // upuparrows
    {13386, 6, 0, 0x231D},  // urcorn
    {13392, 8, 0, 0x231D},  // urcorner
    {13400, 6, 0, 0x230E},  // urcrop
    {13406, 5, 0, 0x016F},  // uring
    {13411, 5, 0, 0x25F9},  // urtri
    {13416, 4, 0, 0x1D4CA},  // uscr
    {13420, 5, 0, 0x22F0},  // utdot
    {13425, 6, 0, 0x0169},  // utilde
    {13431, 4, 0, 0x25B5},  // utri
    {13435, 5, 0, 0x25B4},  // utrif
    {13440, 5, 0, 0x21C8},  // uuarr
    {13445, 4, 1, 0x00FC},  // uuml
    {13449, 7, 0, 0x29A7},  // uwangle
    {13456, 4, 0, 0x21D5},  // vArr
    {13460, 4, 0, 0x2AE8},  // vBar
    {13464, 5, 0, 0x2AE9},  // vBarv
    {13469, 5, 0, 0x22A8},  // vDash
    {13474, 6, 0, 0x299C},  // vangrt
    {13480, 10, 0, 0x03F5},  // varepsilon
    {13490, 8, 0, 0x03F0},  // varkappa
    {13498, 10, 0, 0x2205},  // varnothing
    {13508, 6, 0, 0x03D5},  // varphi
    {13514, 5, 0, 0x03D6},  // varpi
    {13519, 9, 0, 0x221D},  // varpropto
    {13528, 4, 0, 0x2195},  // varr
    {13532, 6, 0, 0x03F1},  // varrho
    {13538, 8, 0, 0x03C2},  // varsigma
    {13546, 12, 16, 0x228A},  // varsubsetneq
    {13558, 13, 16, 0x2ACB},  // varsubsetneqq
    {13571, 12, 16, 0x228B},  // varsupsetneq
    {13583, 13, 16, 0x2ACC},  // varsupsetneqq
    {13596, 8, 0, 0x03D1},  // vartheta
    {13604, 15, 0, 0x22B2},  // vartriangleleft
    {13619, 16, 0, 0x22B3},  // vartriangleright
    {13635, 3, 0, 0x0432},  // vcy
    {13638, 5, 0, 0x22A2},  // vdash
    {13643, 3, 0, 0x2228},  // vee
    {13646, 6, 0, 0x22BB},  // veebar
    {13652, 5, 0, 0x225A},  // veeeq
    {13657, 6, 0, 0x22EE},  // vellip
    {13663, 6, 0, 0x007C},  // verbar
    {13669, 4, 0, 0x007C},  // vert
    {13673, 3, 0, 0x1D533},  // vfr
    {13676, 5, 0, 0x22B2},  // vltri
    {13681, 5, 12, 0x2282},  // vnsub
    {13686, 5, 12, 0x2283},  // vnsup
    {13691, 4, 0, 0x1D567},  // vopf
    {13695, 5, 0, 0x221D},  // vprop
    {13700, 5, 0, 0x22B3},  // vrtri
    {13705, 4, 0, 0x1D4CB},  // vscr
    {13709, 6, 16, 0x2ACB},  // vsubnE
    {13715, 6, 16, 0x228A},  // vsubne
    {13721, 6, 16, 0x2ACC},  // vsupnE
    {13727, 6, 16, 0x228B},  // vsupne
    {13733, 7, 0, 0x299A},  // vzigzag
    {13740, 5, 0, 0x0175},  // wcirc
    {13745, 6, 0, 0x2A5F},  // wedbar
    {13751, 5, 0, 0x2227},  // wedge
    {13756, 6, 0, 0x2259},  // wedgeq
    {13762, 6, 0, 0x2118},  // weierp
    {13768, 3, 0, 0x1D534},  // wfr
    {13771, 4, 0, 0x1D568},  // wopf
    {13775, 2, 0, 0x2118},  // wp
    {13777, 2, 0, 0x2240},  // wr
    {13779, 6, 0, 0x2240},  // wreath
    {13785, 4, 0, 0x1D4CC},  // wscr
    {13789, 4, 0, 0x22C2},  // xcap
    {13793, 5, 0, 0x25EF},  // xcirc
    {13798, 4, 0, 0x22C3},  // xcup
    {13802, 5, 0, 0x25BD},  // xdtri
    {13807, 3, 0, 0x1D535},  // xfr
    {13810, 5, 0, 0x27FA},  // xhArr
    {13815, 5, 0, 0x27F7},  // xharr
    {13820, 2, 0, 0x03BE},  // xi
    {13822, 5, 0, 0x27F8},  // xlArr
    {13827, 5, 0, 0x27F5},  // xlarr
    {13832, 4, 0, 0x27FC},  // xmap
    {13836, 4, 0, 0x22FB},  // xnis
    {13840, 5, 0, 0x2A00},  // xodot
    {13845, 4, 0, 0x1D569},  // xopf
    {13849, 6, 0, 0x2A01},  // xoplus
    {13855, 6, 0, 0x2A02},  // xotime
    {13861, 5, 0, 0x27F9},  // xrArr
    {13866, 5, 0, 0x27F6},  // xrarr
    {13871, 4, 0, 0x1D4CD},  // xscr
    {13875, 6, 0, 0x2A06},  // xsqcup
    {13881, 6, 0, 0x2A04},  // xuplus
    {13887, 5, 0, 0x25B3},  // xutri
    {13892, 4, 0, 0x22C1},  // xvee
    {13896, 6, 0, 0x22C0},  // xwedge
    {13902, 6, 1, 0x00FD},  // yacute
    {13908, 4, 0, 0x044F},  // yacy
    {13912, 5, 0, 0x0177},  // ycirc
    {13917, 3, 0, 0x044B},  // ycy
    {13920, 3, 1, 0x00A5},  // yen
    {13923, 3, 0, 0x1D536},  // yfr
    {13926, 4, 0, 0x0457},  // yicy
    {13930, 4, 0, 0x1D56A},  // yopf
    {13934, 4, 0, 0x1D4CE},  // yscr
    {13938, 4, 0, 0x044E},  // yucy
    {13942, 4, 1, 0x00FF},  // yuml
    {13946, 6, 0, 0x017A},  // zacute
    {13952, 6, 0, 0x017E},  // zcaron
    {13958, 3, 0, 0x0437},  // zcy
    {13961, 4, 0, 0x017C},  // zdot
    {13965, 6, 0, 0x2128},  // zeetrf
    {13971, 4, 0, 0x03B6},  // zeta
    {13975, 3, 0, 0x1D537},  // zfr
    {13978, 4, 0, 0x0436},  // zhcy
    {13982, 7, 0, 0x21DD},  // zigrarr
    {13989, 4, 0, 0x1D56B},  // zopf
    {13993, 4, 0, 0x1D4CF},  // zscr
    {13997, 3, 0, 0x200D},  // zwj
    {14000, 4, 0, 0x200C},  // zwnj
}};

// The perfect hash: Dispersion(name) picks a bucket by its top bits, the
// bucket's displacement moves the name to a slot of its own, and the slot
// holds the name's index in Tabla (0xFFFF: none).
inline constexpr std::uint64_t Semilla = 1;
inline constexpr std::uint64_t Multiplicador = 0x9E3779B97F4A7C15;
inline constexpr int BitsCubos = 10;
inline constexpr int BitsRanuras = 12;

inline constexpr std::array<std::uint16_t, 1024> Desplazamientos{
       1,    0,    1,    0,    0,    1,    0,    0,    0,    0,    0,    0,    0,    0,    0,    1,
       6,    0,    0,    1,    4,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
       2,    0,    1,    0,    4,    0,    3,    0,    0,    4,    6,    0,    1,    0,    0,    0,
       1,    0,    1,    2,    3,    0,    0,    0,    0,    0,    0,    1,    0,    2,    1,    2,
       0,    2,    1,    4,    0,    0,    1,    0,    0,    0,    0,    1,    1,    0,    1,    0,
       0,    0,    1,    0,    0,    7,    0,    0,    2,    0,    1,    0,    0,    1,    0,    0,
       0,    1,    1,    0,    0,    0,    1,    1,    0,    0,    0,    2,    2,    0,    0,    2,
       1,    2,    4,    0,    1,    0,    0,    0,    0,    0,    0,    0,    1,    1,    1,    0,
       2,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    1,    1,    0,    2,
       3,    2,    0,    3,    0,    5,    0,    0,    0,    1,    0,    0,    1,    0,    0,    0,
       3,    0,    0,    0,    2,    4,    0,    0,   10,    0,    0,    0,    1,    0,    1,    0,
       1,    2,    2,    2,    0,    5,    1,    1,    4,    0,    0,    4,    0,    0,    0,    0,
       0,    8,    0,    0,    0,    0,    0,    4,    0,    2,    3,    0,    1,    0,    0,    0,
       0,    1,    0,    1,    0,    4,    0,    2,    0,    1,    0,    1,    0,    0,    4,    0,
       1,    4,    0,    0,    0,    1,    0,    1,    0,    1,    0,    0,    0,    0,    0,    0,
       0,    0,    1,    4,    3,    0,    1,    1,    0,    0,    0,    0,    0,    1,    0,    1,
       4,    2,    0,    0,    0,    0,    0,    0,    0,    5,    0,    0,   10,    0,    2,    4,
       0,    0,    0,    0,    0,    0,    0,    0,    2,    3,    1,    0,    1,    2,    3,    1,
       0,    0,    0,    0,    2,    0,    0,    0,    0,    0,    0,    0,    2,    0,    1,    0,
       0,    1,    0,    0,    0,    5,    0,    2,    6,    0,    0,    1,    3,    0,    0,    0,
       0,    0,    0,    2,    1,    0,    5,    2,    0,    1,    2,    0,    0,    1,    0,    0,
       0,    2,    0,    3,    0,    0,    0,    0,    0,    0,    2,    0,    0,    1,    0,    0,
       0,    2,    1,    0,    0,    0,    0,    0,    0,    1,    0,    2,    1,    0,    1,    0,
      14,    4,    4,    0,    0,    1,    0,    0,    2,    0,    0,    0,    0,    0,    0,    3,
       0,    0,    0,    2,    3,    0,    0,    1,    9,    0,    2,    0,    0,    0,    3,    0,
       2,    0,    3,    0,    3,    0,    0,    0,    2,    2,    0,    0,    0,    3,    0,    9,
       0,    0,    4,    0,    0,    0,    3,    0,    2,    0,    1,    0,    0,    0,    5,    4,
       0,    3,    0,    5,    6,    9,    0,    0,    0,    0,    0,    0,    1,    2,    1,    0,
       2,    1,    0,    4,    2,    0,    0,    1,    2,    0,    0,    0,    2,    3,    0,    9,
       0,    1,    0,    4,    0,    0,    1,    2,    5,    2,    0,    4,    1,    2,    0,    0,
       0,    0,    0,    1,    4,    0,    1,    2,    0,    0,    0,    1,    0,    4,    0,    3,
       3,    0,    0,    1,    0,    1,    0,    2,    0,    0,    0,    1,    0,    1,    3,    0,
       1,    0,    0,    3,    0,    3,    0,    1,    2,    0,    0,    2,    7,    0,    0,    0,
       0,    1,    0,    0,    1,    0,    0,    0,    3,    0,    0,    0,    0,    6,    0,    0,
       3,    7,    2,    0,    1,    0,    0,    0,    1,    0,    1,    0,    0,    2,    4,    5,
       2,    1,    0,    0,    1,    0,    0,    0,    1,    4,    4,    0,    1,    0,    7,    0,
       0,    0,    4,    0,    0,    5,    0,    0,    3,    1,    2,    2,    0,    0,    0,    1,
       0,    0,    0,    0,    0,    3,    3,    0,    0,    0,    0,    1,    0,    4,    0,    0,
       0,    0,    0,    2,    4,    5,    0,    0,    0,    0,    0,    0,    0,    1,    0,    2,
       1,    0,    0,    3,    0,    5,    1,    1,    1,   13,    2,    0,    0,    0,    0,    1,
       1,    4,    1,    4,    0,    2,    3,    0,    0,    2,    0,    0,    3,    0,    0,    0,
       0,    1,    1,    0,    0,    6,    2,    4,    0,    0,    3,    0,   12,    0,    0,    0,
       1,    0,    3,    1,    0,    1,    5,    0,    3,    8,    0,    4,    0,    2,    2,    2,
       0,    4,    0,    1,    1,    5,    6,    6,    0,    2,    0,    0,    0,    1,    6,    3,
       0,    0,    1,    0,    4,    0,    3,    0,    3,    0,    0,    1,    0,    0,    0,    0,
       0,    0,    2,    8,    0,    2,    0,    2,    0,    0,    0,    5,    0,    2,    0,    2,
       0,    0,    0,    2,    2,    0,    6,    4,    4,    0,    1,    0,    0,    7,    0,    0,
       4,    3,    7,   10,    0,    2,    1,    4,    3,    1,    4,   14,    0,    6,    0,    0,
       4,    0,    8,    1,    0,    1,    1,    1,    2,    4,    4,    0,    2,    0,    0,    0,
       2,    3,    4,    2,    0,    0,    1,    0,   16,    0,    9,    4,    0,    0,    0,    0,
       0,    0,    0,    0,    0,    6,    6,    0,    0,    0,    4,    0,    1,    0,    0,    2,
       0,    2,    0,    1,   22,    4,    2,    0,    1,    3,    0,    2,    1,    4,    1,    0,
       4,    2,    0,    1,    2,    3,    0,    0,    0,    2,    3,    0,    0,    2,    0,    1,
       3,    8,    2,    0,    6,    1,    3,    1,    2,    2,    0,    1,    0,    1,    0,    0,
       1,    4,    0,    0,    3,    2,    0,    7,    0,    0,    6,    4,    0,    2,    0,    0,
       0,    0,    0,    0,    0,    0,    2,    0,    6,    0,    0,    0,    0,    0,    1,    0,
       0,    3,    0,    0,    3,    2,    0,    2,    4,    3,    1,    0,    2,    0,    1,    1,
       0,    3,    1,    0,    0,    2,    0,    3,    0,    2,    0,    0,    1,    1,    0,    1,
       2,    0,    0,    0,    0,    0,    0,    1,    0,    0,    0,    0,    0,    1,    0,    1,
       0,    0,    3,    7,    9,    0,    1,    0,    3,    1,    6,    2,    0,    4,    0,    2,
       1,    8,    0,    2,    7,    2,    0,    0,    1,    0,    2,    0,    2,    1,    0,    9,
       5,    0,    4,    3,    0,    5,    1,    1,    0,    0,    0,    0,    7,    1,    0,    0,
       8,    0,    2,    8,    0,    7,    1,    0,    2,    0,    3,    0,    2,    0,    0,    4,
       4,    3,    2,    2,    5,    0,    4,    2,    2,    0,    1,    0,    0,    0,    0,    3,
};

inline constexpr std::array<std::uint16_t, 4096> Ranuras{
    65535, 65535, 65535, 65535,  1359,  1814,   944, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1097,  1129,
    65535, 65535,   809, 65535,  1604, 65535, 65535, 65535,  2070,  1502,   128,  1720,   953, 65535,   672,   967,
    65535,  1530,   749, 65535,  1381,   847,  1920,  2053, 65535,  1090, 65535,  1345, 65535, 65535, 65535, 65535,
    65535, 65535, 65535,  1275, 65535, 65535, 65535, 65535, 65535, 65535,  1817, 65535, 65535,  1615,  1479, 65535,
     1071, 65535,   882, 65535, 65535, 65535,   138, 65535,   328,   632, 65535, 65535, 65535, 65535,  1472,   233,
      126,   889,  2091, 65535,   407,   636, 65535, 65535,   990, 65535,  1236,   205,  1291,  1558, 65535,   339,
    65535, 65535,  1104,  2093, 65535,   361,  1248, 65535,   115, 65535, 65535,  2081, 65535, 65535,  1670, 65535,
      505, 65535,  1642, 65535,   724,   480,  1985,   428,  1732,  1943, 65535, 65535, 65535, 65535, 65535,  1559,
    65535,    39,  1396,  1083, 65535, 65535,  1494, 65535,   165,   775, 65535,   419,  1452,   209, 65535,  1188,
     1679,   225, 65535,  1753, 65535, 65535,  2056,  1157, 65535, 65535, 65535, 65535,   707,   593,  1836,   153,
    65535, 65535, 65535, 65535,  1597, 65535,  1207, 65535,  1722,  1454,   157,   692, 65535, 65535,  1527,  2120,
    65535, 65535,   582, 65535, 65535, 65535, 65535,  1787, 65535,   523, 65535, 65535,  1735, 65535, 65535, 65535,
    65535, 65535, 65535, 65535, 65535, 65535,  1626,   535,  1884,  2051, 65535, 65535,   609,   489, 65535,   475,
    65535,   801, 65535, 65535, 65535, 65535,  1268,  1196, 65535,   208,  1111, 65535, 65535,  2066, 65535, 65535,
    65535,   520,  1687,  1724,   828, 65535,    53, 65535, 65535,  1606,  1029, 65535,   502, 65535,  1061, 65535,
     1556, 65535, 65535,  1077, 65535, 65535, 65535, 65535,   928, 65535, 65535,   927,  1225,   813,   320, 65535,
    65535,  1532,  1198, 65535,  1700,  1775, 65535,  1212, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
     1859,  1016, 65535,    81,   924, 65535, 65535,  1901, 65535,  1721,    57, 65535, 65535,  1879, 65535,  1302,
    65535, 65535, 65535, 65535, 65535, 65535, 65535,  1488, 65535,  1269,  1705, 65535, 65535, 65535,  1834,  1695,
     1588,   219,  1125,  1677, 65535,   994,  1819, 65535,  1798, 65535, 65535,   599, 65535,   112, 65535, 65535,
     1170,  1003,  1014,    79, 65535,   983, 65535, 65535, 65535,   627,  1070, 65535, 65535, 65535, 65535,  1791,
     1974,   495,    51, 65535,   213,  1353, 65535, 65535,   602, 65535, 65535, 65535,   918,  1924,   608,   980,
    65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,   574, 65535,    96, 65535,   293,   482, 65535, 65535,
     1407,  1866,   996,   975, 65535,   263,   420,  1698,   919, 65535,   549, 65535,   445, 65535,  1437,  2030,
      735,   342, 65535,  1520,  1887,  1230,  2034,  1227,  1234, 65535,   647,  1395,  1485, 65535, 65535,  1171,
     2015,  1228, 65535, 65535,   268,   938,  1535,    74, 65535, 65535, 65535, 65535, 65535,  1470,  1889,  1719,
    65535,   532, 65535,  1565,   465, 65535,   249,   551,   860,  1505,  1988,  1928,   702, 65535, 65535,   565,
     1856, 65535,  1386,  1979,  1277, 65535, 65535, 65535, 65535, 65535,  1057,  1764,   997, 65535, 65535,   841,
    65535,  1503,  1413,  1547,  1906, 65535, 65535, 65535, 65535,  1590, 65535, 65535, 65535, 65535, 65535, 65535,
    65535,   667,  1354,  1087, 65535,  1821,  1409, 65535,   432,   185, 65535, 65535, 65535,   212, 65535, 65535,
     1069, 65535,  1161, 65535, 65535, 65535, 65535,   834,  1984, 65535,  1118, 65535, 65535,  1482, 65535, 65535,
    65535, 65535,   255,   886,   169, 65535, 65535, 65535,  1896, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
     1526,  1475,  1536,   708, 65535,  1739, 65535,   188, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
     2038,   993,    12,  1578,  1570, 65535,  1156,  1905,  1416,  1168, 65535,  1998, 65535, 65535,  1310, 65535,
    65535,  1561,  1610, 65535, 65535,  1473, 65535, 65535,   742,  1389,  1585,    70, 65535, 65535,  1699, 65535,
    65535, 65535,  1980,   878, 65535,  1666,  1403,  1044,   807, 65535,  1563, 65535, 65535, 65535, 65535, 65535,
    65535,  1283, 65535, 65535, 65535,  1812,  1789,   470,   761,  1400,   220,  1476, 65535,  1047,   659, 65535,
    65535, 65535,   590, 65535, 65535, 65535,  2078,  1711,   974,   789,  1495, 65535, 65535, 65535, 65535, 65535,
       21, 65535, 65535, 65535, 65535,  1498, 65535, 65535, 65535, 65535,  1320, 65535,  2118,   765,  1124,    33,
     1598,  1731,   159,   349, 65535,  1197,   457,  1647,   408, 65535, 65535, 65535, 65535,   286,  1555, 65535,
       86,  1471,   166, 65535,   683,   196,    32,   374,   167,  1869,   615, 65535, 65535, 65535,   447,  1453,
    65535, 65535, 65535, 65535,   330, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1587, 65535,   326, 65535,
    65535,   223, 65535, 65535,   396, 65535, 65535,  1356,  1442,  1240,   675, 65535,  2062, 65535,  1163,   416,
      808,  1625, 65535, 65535,     5, 65535,  2050, 65535,  1105,  1088, 65535,   679, 65535, 65535, 65535,  1032,
     1792,    72, 65535, 65535,  1391,  1748,   723, 65535, 65535, 65535, 65535,   317, 65535, 65535,   874, 65535,
    65535,  2046,  1084,  1371,   837, 65535,  1444,  1178, 65535, 65535,   613, 65535,  1220, 65535, 65535,   183,
       49,  1463, 65535, 65535,  1114, 65535,  2095, 65535, 65535, 65535,  1424, 65535,  1263, 65535,  1490,    85,
      770,   490,   697,  1914,   684, 65535,   936, 65535, 65535,  1646, 65535,  1135,   585, 65535,   424, 65535,
    65535,   930, 65535, 65535, 65535, 65535, 65535, 65535,   117, 65535,   720,   178, 65535, 65535, 65535, 65535,
    65535, 65535, 65535,  1000, 65535, 65535, 65535, 65535, 65535, 65535,  1267, 65535, 65535,  1329, 65535, 65535,
      362, 65535,  1406, 65535,  1270, 65535,   784,  1215,   192,  1380,  1882,  1223,  1622,   456,  1292,   738,
    65535, 65535,  1533, 65535,  2085, 65535, 65535,   982,  1260,     1,  1557,   187, 65535,  1352, 65535, 65535,
    65535, 65535,   501, 65535, 65535, 65535, 65535, 65535,   404,  1796,   856,   254, 65535,   264, 65535, 65535,
      485, 65535, 65535,  1110, 65535,  1786,   595,   954, 65535,  1619, 65535, 65535,   199, 65535,   379,  1628,
      904,  1361,   106, 65535,  1779,  1028,   568, 65535,  1007, 65535, 65535,  1166, 65535,   269, 65535,  1347,
    65535, 65535, 65535, 65535, 65535, 65535, 65535,    11, 65535, 65535, 65535, 65535, 65535,   863, 65535, 65535,
     1873,   418,  1035,  2008, 65535, 65535, 65535, 65535, 65535, 65535,    42,   530, 65535,  1017,   337,  1855,
      783,  1996,  1152, 65535,   805, 65535, 65535,   227,  1056,  1297,   149, 65535,  2108,   305,   340,   694,
    65535, 65535,   686, 65535,   970,   226, 65535, 65535,   198,   963, 65535,  1318, 65535, 65535, 65535,   986,
      258,   964,   543,   127,  1783,  1973, 65535,  1672,  2121,  1177,   616,   946,  1242,  1528,  1489,   959,
    65535, 65535,  1863, 65535, 65535, 65535, 65535, 65535, 65535,  1613, 65535, 65535,  1286,   591,   797,   335,
     1346,   787,  1493,  1439, 65535, 65535, 65535,   290,  1214,  1256,  1459,  1685, 65535,  1762, 65535, 65535,
    65535, 65535,  1434, 65535, 65535,  1939,  1024, 65535,   279,   802,   210,  1266,   624,   618,  1008,   303,
      473, 65535, 65535, 65535, 65535, 65535, 65535,   521,  1833,   890, 65535, 65535, 65535, 65535, 65535, 65535,
    65535,  1667,  1931,  1857,  1595, 65535, 65535, 65535, 65535,   190, 65535,    67,  1847,    64, 65535, 65535,
      180,  2104,   307,  1560, 65535, 65535,   803, 65535, 65535,   512,   509, 65535, 65535,   429, 65535,   621,
      552,   736,   995,  1717,   721, 65535,   855,  2004,   101,   788,   794,   581,  1908, 65535,  1330,   704,
    65535, 65535, 65535, 65535, 65535, 65535,    18, 65535,   774,  1232,   375, 65535,  2073, 65535, 65535,  1991,
     2061,  2122,  1617, 65535, 65535, 65535, 65535, 65535, 65535,   628,   839,  1654, 65535, 65535, 65535,  1243,
    65535,     3,  1627, 65535, 65535, 65535, 65535, 65535,   771, 65535, 65535,  2084, 65535, 65535, 65535,  1995,
     1888,  1632, 65535,  1484, 65535,  1954, 65535,  1697,  1376,  1181,   957, 65535,   676, 65535,  1894,  1976,
     1355, 65535,  2020,  1660,  1872,  1480, 65535, 65535,  1986, 65535,  1200, 65535, 65535, 65535, 65535, 65535,
     1591, 65535,    60,  1867, 65535,   819,   887,   600,   392,   121,  2102,  1637, 65535, 65535, 65535, 65535,
      493, 65535, 65535,  1102, 65535, 65535,  2025, 65535,  1258, 65535,  1119,  2074, 65535, 65535, 65535, 65535,
    65535, 65535, 65535, 65535,   712, 65535, 65535,  1419, 65535, 65535,   274,  1989, 65535, 65535, 65535, 65535,
    65535,  1287, 65535, 65535,   902, 65535, 65535, 65535,    75,  1133,   680, 65535, 65535,  1853, 65535,  1712,
      422,  1337,  2092,   642, 65535, 65535, 65535, 65535,  1925,  1813,  1247, 65535, 65535,  2064,   873,   528,
     1241,  1322,   123,  1652,   463,  1204,   151,   843,   297, 65535, 65535, 65535,   500, 65535,    93,   110,
    65535, 65535,  1904,  1202, 65535,  2043,  1529,  1946,  1132,  1158,   653,  1052, 65535, 65535,  1631,  1255,
      215,  1759, 65535, 65535, 65535,  1793,  1309,  1686, 65535, 65535, 65535,   241, 65535,  1113, 65535, 65535,
    65535, 65535, 65535, 65535,  1101,   911,  2019,   256,   785,   858,   310,  1078,   950,  2042,   881,   614,
    65535, 65535, 65535, 65535, 65535, 65535, 65535,  1186,   471,  1860, 65535,   376, 65535, 65535, 65535, 65535,
      705,  1665, 65535, 65535, 65535, 65535, 65535,   989,  1676,   558, 65535, 65535, 65535, 65535,  1317,   316,
       28,   942,  2116,   917,  2003,   137,  2044,   238,   439, 65535,   912,   542, 65535, 65535,  1538,   817,
     1629,  1537,  1431,  1338,   709, 65535,   966,   398,   610, 65535,  1460, 65535, 65535,   448,  1671, 65535,
     1730,  1332,   194,   135, 65535, 65535,    92, 65535,  1776,  1692,  1311,   740, 65535,   381,  1362,   760,
     1388,    24,   437,   104, 65535, 65535, 65535, 65535,  1809,  1999,   836,  1934,   363,  1450,  1790,  1634,
    65535, 65535,   246,  1324, 65535, 65535,  1635, 65535,  1160,  1250,   888, 65535, 65535,  1961,  1019,   634,
    65535,   409, 65535, 65535, 65535,   562, 65535, 65535,   132, 65535, 65535,  1012,   467, 65535,   949, 65535,
    65535, 65535, 65535, 65535,   563, 65535,   345,   403, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
     1149,  1945,   867,   862,  1919, 65535, 65535,  1693, 65535,     8, 65535, 65535, 65535, 65535, 65535, 65535,
    65535, 65535, 65535, 65535, 65535, 65535,   113,   865,  1150, 65535,  1930,  1306,   125, 65535,  2022,  1953,
      511,  1871,   669,   935,   243,   763,   332,  2113,   301,   383,   537,  2063,   197,  1757, 65535, 65535,
    65535, 65535, 65535,  1838,   923,  1837,   718,  1351,  1167,  1831, 65535,   991,  1043, 65535,  1744, 65535,
      331,  1623,  1080,   926,  1190,  1612,   179,  1510,  1142,   366,  1194,   248,  1036,  1832,  1691,  1478,
    65535, 65535, 65535, 65535, 65535,   623,  1577,   462,   832,  1515,   147,  1883,    35,  1822,  1464,  1041,
      217,   319,   560, 65535, 65535, 65535, 65535, 65535,    38,    52, 65535,  1436,   494, 65535, 65535,   146,
    65535,  2065,  1955,  1648, 65535,    30,  1818, 65535,   515, 65535,   142,   181,  2048,   976, 65535,   908,
     1726, 65535, 65535, 65535,   892, 65535, 65535,    48, 65535,  1335, 65535, 65535,    69, 65535, 65535, 65535,
      941,   276,   443,  1575,   699,   348,  2096,   133,  1042,   665,   604,  1659, 65535,  1562, 65535,  1126,
    65535, 65535, 65535, 65535,  1153, 65535, 65535, 65535,   517,   630, 65535,  1673, 65535, 65535, 65535, 65535,
    65535,  2123, 65535, 65535,   722,  1259,   417,  1675,   940,   466, 65535,    73, 65535,   598,  1440, 65535,
     1062, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1669, 65535, 65535,   321, 65535,  2023, 65535,
    65535, 65535,  1865,   758, 65535, 65535,  1507, 65535,    19,  1714,   529,   122,  1574,  1221, 65535,  1845,
    65535,  1825,   452, 65535, 65535, 65535, 65535, 65535,  1682, 65535,  1182,  1375, 65535, 65535,  1304,   905,
     1054, 65535,    77,   850, 65535,  1382,   961, 65535,   344, 65535,    76,   844,  2014,   216,   540,   230,
    65535,   790,   522,   410,  1139, 65535, 65535, 65535,  1702,  1432,   481,  1377,  1397, 65535,   999,  1162,
    65535, 65535, 65535,  1640, 65535, 65535, 65535, 65535,   291,  1862, 65535,   821, 65535,   390,   299,  1661,
    65535, 65535, 65535, 65535,  1089,   741, 65535, 65535,  2058,  1893, 65535,  1321, 65535,  1636, 65535,  1936,
    65535, 65535,  2013, 65535,  1993,   780, 65535,  1728, 65535,  1300, 65535,  2059, 65535, 65535, 65535, 65535,
    65535, 65535, 65535, 65535,   324,  2080, 65535,   534,   644,  2077,  2097,  1944,   355, 65535,  2049, 65535,
    65535,   513,  1771,  1408, 65535, 65535, 65535, 65535, 65535, 65535,  1918, 65535, 65535,  2087, 65535,   346,
    65535, 65535, 65535,  1002,  1522,  1950,  1325,   280,  1349,   759,  2012,  1159,  1579,   766, 65535,   909,
    65535,  1164,  1100,   323,   260,   550,   257,    34,   413, 65535, 65535,   365, 65535, 65535, 65535, 65535,
      937,   948, 65535,   271,   576, 65535,  1430,  1842,  1138, 65535, 65535,   733,    45,  1596,  1875,  1020,
      353, 65535, 65535, 65535, 65535, 65535,   531, 65535, 65535,   270, 65535, 65535, 65535, 65535, 65535,   866,
      302, 65535,  2011,   163, 65535, 65535,   394,  1835,  1958,   143,   436,   617,   265,  2114,   315,   755,
    65535, 65535, 65535,   334,  1684, 65535, 65535, 65535, 65535, 65535, 65535,   174, 65535, 65535, 65535,   619,
     1747, 65535,  1602, 65535,  2060,    99, 65535, 65535,    22,   840,  1729,  1601, 65535,  1616,   884, 65535,
    65535, 65535,   479, 65535, 65535, 65535,  1710, 65535, 65535, 65535, 65535, 65535,   782,  1343,   107, 65535,
      240, 65535,  1777,  1305, 65535,   322,  1506, 65535,  2117,   643,  1668,  1254,  1120,  1737,   267,  1219,
      524,  1878,  1870,  1852,  2069,   164,  1965, 65535, 65535,  1514,  2072, 65535, 65535,  1363, 65535,   510,
    65535,  1179, 65535, 65535,  1151,  1004,   242,   378,   871,  2075,   748, 65535,  1205,  1935, 65535, 65535,
      277,  1967,   148, 65535,   791,   713,  1466, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
    65535, 65535, 65535,   203,    80, 65535,   945, 65535,   382,   158, 65535, 65535, 65535, 65535,   693,  1548,
    65535, 65535, 65535, 65535,   804, 65535, 65535, 65535, 65535, 65535, 65535,   228, 65535, 65535, 65535,  1447,
    65535,  1451, 65535,  1983, 65535, 65535,   250,   916,   670, 65535,  2040,    89,  2047, 65535, 65535,   664,
     1723,  1175, 65535, 65535,   516, 65535,  1239,   658,  2094,    65,  1074, 65535,   170, 65535, 65535, 65535,
    65535, 65535, 65535,  1897, 65535, 65535, 65535,  1027,   796, 65535,   400,  1273,   852,   341, 65535, 65535,
    65535, 65535,   356, 65535, 65535,  1517, 65535, 65535, 65535,  1368,   388, 65535, 65535,   818, 65535,   186,
     1417, 65535,   910,   259, 65535, 65535, 65535, 65535,  1877,   992, 65535,  1644, 65535, 65535,   842, 65535,
     1211, 65535,  1716, 65535,  1340,  1366, 65535,   295,   703,    71,   251,   700,  1426,  1915,  1209,   103,
      458,  1624,    10,   569, 65535,   275, 65535,    82,  2055,   612,   988,   879,  1265,   272,  1599,  1293,
      262, 65535, 65535, 65535,  1583, 65535, 65535, 65535,  1045,  1912, 65535,   773, 65535,   746, 65535,  2098,
     1296, 65535,   583,   657,   939,   386,  1456, 65535,  1948,   477,   525,  1165,  2083, 65535,  1909,   779,
    65535,    62,  1272, 65535, 65535,  1656,   739,   218,   464,  1681, 65535,  1312, 65535, 65535, 65535, 65535,
    65535,   399,    97,    15, 65535, 65535,   538,   446,   830,   900, 65535, 65535,  2006,   311,  1299, 65535,
     1001,    55,   806,  1336, 65535,   660,   725, 65535, 65535,  1086,   786,  2001,   435, 65535, 65535, 65535,
    65535,   744,  1060,  1026,   876, 65535, 65535,   141, 65535, 65535, 65535,  1344, 65535, 65535,   729, 65535,
    65535,  1367,  2017,  1921,   799, 65535, 65535,  1379,  1127,  1146, 65535,   100,  1295, 65535, 65535,  1276,
      673,  2089, 65535, 65535, 65535, 65535,  1079,  1373, 65535, 65535,  1429, 65535,  1994, 65535,  1334, 65535,
      897,  1581,   764,   620,  1501,   449,   483,   846, 65535,  1746,   102,  1539,  1738,   998,  1933,   415,
    65535, 65535, 65535, 65535,   880,  1903, 65535, 65535, 65535, 65535,  1115,  2106,   611, 65535, 65535, 65535,
    65535,  1621,  1006, 65535,  1427,  1033,  2111, 65535,  1374,   979, 65535, 65535, 65535, 65535, 65535, 65535,
      588,  1264, 65535, 65535, 65535,  1701, 65535, 65535,   124, 65535,   161,   430, 65535,  1106, 65535, 65535,
      745, 65535, 65535, 65535,   710, 65535, 65535,  1121, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
     1521,   136, 65535, 65535, 65535, 65535, 65535, 65535, 65535,    31,  1022,   831, 65535,  1048,  1289, 65535,
     1815,   313,   545,  1805,  1643, 65535,   677, 65535, 65535, 65535, 65535,   296,   360, 65535, 65535, 65535,
      690,    66, 65535,   663, 65535,  1191, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
      292,   281, 65535,  1262, 65535,   526, 65535, 65535, 65535, 65535, 65535,  1420, 65535, 65535,  1765, 65535,
    65535, 65535,   696,  1449, 65535,  1096, 65535,  1956,   285,  1929,  1603,  1966,  1657,  1551, 65535, 65535,
     1316,  1039,  1543, 65535,  1725, 65535,   284,  1339, 65535,  2076,   955,   730, 65535, 65535,   434, 65535,
    65535,   442, 65535,   314,  1018, 65535,   304,  1390,   184, 65535,   239, 65535,  1076,  1524, 65535, 65535,
       68,   162,  1898, 65535,  2115,   864, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
    65535, 65535,  1662,   795,  1123,  1203,  1689,  2079, 65535,  1553,   875, 65535,   973, 65535, 65535, 65535,
      853, 65535,   177,  1187, 65535,   815, 65535,  1288,   646, 65535,  1611, 65535, 65535,  1843, 65535, 65535,
    65535,    50,   357,   498,   691,  1328,   577,  1605,  2036,   554,     6,  1876,   596,    78, 65535,   118,
    65535, 65535,  1350, 65535, 65535,    84, 65535, 65535, 65535,   883, 65535,   921,   329,   193,   849,   570,
    65535,  1046, 65535, 65535,  1224, 65535, 65535,  1952,  1541,  2090,   719,  1794,   172,  2024,  1614,  1148,
      154, 65535, 65535,   776, 65535,   778,  2082,  1099,  1294, 65535,   370,   899,   575,   114,  1385,   943,
    65535,  1075, 65535,  1895,  1970,  1799,   777,   984, 65535, 65535, 65535, 65535, 65535,  1962, 65535, 65535,
    65535, 65535, 65535, 65535,  1808, 65535, 65535, 65535, 65535, 65535, 65535,  1281, 65535, 65535, 65535, 65535,
     1923,  1448,  1081,  1010,  1968,    29,  1892,  1785,  1655,  1638, 65535, 65535,   354,  1795, 65535,   455,
     1807,  1218,  1372,  1067, 65535,  1851,  1116, 65535, 65535,  1364,   931, 65535, 65535, 65535, 65535,  1331,
     1542,  1418,  1513,  1824,  1103,  1467,    91,   440,   373,   626,   835, 65535, 65535, 65535, 65535,   925,
    65535,  1949, 65535, 65535, 65535, 65535,  2071,   306, 65535, 65535,  1709,   603,  1222,  1455,  1252, 65535,
    65535,   711, 65535,   727, 65535, 65535,  1540, 65535, 65535, 65535,   825,   572,  2110,  1422, 65535, 65535,
       13,  1210, 65535, 65535,   868,   548,   202, 65535,   701,   870,  2041,  1384, 65535,  1443,   278,  1758,
     1545, 65535, 65535,   266,  2119,  2028,  1058,   977, 65535, 65535, 65535,    43, 65535, 65535,   622, 65535,
    65535, 65535, 65535, 65535, 65535, 65535, 65535,  1964, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,
    65535, 65535, 65535,  1465, 65535,   969, 65535,  1487,   224,  1155,   751, 65535,   688,  2052, 65535, 65535,
    65535, 65535, 65535, 65535, 65535,  1618,  1749,   811, 65535,   901,  1592, 65535, 65535, 65535,   640, 65535,
    65535, 65535, 65535, 65535,   678,   252, 65535, 65535,  1755, 65535, 65535, 65535,   309, 65535, 65535,  1037,
     1913,   822,  1763,  1415,  1499,  1301, 65535,  1483, 65535, 65535,   934, 65535, 65535, 65535,    94,  1030,
     1773, 65535,   527, 65535,   972, 65535, 65535,  1122,  1496, 65535,  1609,   894,   150,  1015,  1846, 65535,
      553, 65535, 65535,  2057, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1718, 65535, 65535, 65535, 65535,
     1910,  1038, 65535,  1688,  1531, 65535, 65535, 65535,  1438,   195, 65535, 65535, 65535, 65535,  1469,   762,
     1137, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1040,  1971,  1398,  1641,   695,  1844,   461,   767,
      571,   288, 65535, 65535, 65535,   469, 65535,   781, 65535, 65535,   109, 65535,   859, 65535, 65535,  1365,
     1639,   451, 65535,   389, 65535, 65535,  1025, 65535, 65535, 65535,  1902, 65535, 65535, 65535, 65535,  1326,
      247, 65535,    25,   312, 65535, 65535, 65535, 65535,   629, 65535,  1072, 65535,  1696,  1650,   488, 65535,
      207, 65535, 65535,  1840, 65535, 65535,   343, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,   298,
    65535, 65535,   893, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1117, 65535,   668,
    65535,  1708,  1091,   145, 65535,    87, 65535,  1098,  1797, 65535,    44,     9, 65535, 65535,  1770, 65535,
    65535, 65535,  1772, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1800,   555, 65535, 65535,  1804,
    65535, 65535,  1811,  1769, 65535,  1917,  1715,    56, 65535,  1550,  1573, 65535, 65535, 65535, 65535,   385,
      641,   800, 65535,   235,  1760, 65535, 65535,  1183, 65535, 65535,   414,   845,  1092,   441,  1959,   111,
    65535, 65535, 65535, 65535, 65535, 65535, 65535,  1290, 65535,  1546, 65535,   580, 65535, 65535,  1608,  1694,
    65535, 65535,   287, 65535, 65535, 65535,     2, 65535,   877,   140, 65535, 65535, 65535,  1706,   605,   134,
    65535, 65535, 65535,  1217,   120,   965,  1552,  1348,   105,    41,  1761,   401,  1508,   885, 65535,   237,
     1858,  2067,  1068, 65535,  1544,  1261, 65535, 65535,  1801,  1237, 65535, 65535,   601, 65535,  1554,  1011,
    65535, 65535,  1244, 65535, 65535, 65535,   175, 65535,   929, 65535, 65535, 65535, 65535, 65535,   978,   584,
    65535, 65535, 65535,   454, 65535, 65535,   793,     0, 65535, 65535, 65535, 65535, 65535,   682,  1206, 65535,
      425,  1827,  1421,   645,   792,  1982, 65535,   587,   468, 65535,  1564,  2031, 65535,  1937,  1713, 65535,
    65535, 65535, 65535,  2099,  1253, 65535, 65535, 65535,  1756,  1572, 65535, 65535, 65535,   743,  1141, 65535,
       23, 65535, 65535, 65535, 65535, 65535,   922, 65535, 65535,  1957,  1516,   108, 65535,   638, 65535,   347,
       88,  1911,  1972,  1703, 65535, 65535,  1229, 65535, 65535,  1192,   820, 65535, 65535,   556,  1891,   402,
     2016, 65535,  1733, 65535,  1752,   189,   857, 65535, 65535, 65535, 65535, 65535,   119,   726,   906,   391,
     1633,    36,  1664,  1049,  1342,  1059, 65535, 65535, 65535, 65535,  1051,   507, 65535,  1055,  1023,  1404,
    65535,   514, 65535,  1784,  1341,  1445,  1899, 65535,  2002,   962, 65535,   406,   393,  1387,  2101,   968,
     1600,    58, 65535,   377,  1279,    90, 65535, 65535, 65535,  1491,   814,   444, 65535, 65535,   824, 65535,
      139, 65535, 65535, 65535,  1890,   508,   211, 65535, 65535,   769,  1009,   698,   589,  1298,   497, 65535,
    65535,   810, 65535,   492, 65535, 65535, 65535, 65535, 65535,   656, 65535, 65535, 65535,   427,  1195,   687,
     1154,   812,  1778,    61,   518,  1500, 65535,  1369, 65535,   706,  1823,  2029,  1246,  1566, 65535,   214,
    65535, 65535,   907,   369,   981, 65535, 65535, 65535, 65535,  1727,  1850,  1073, 65535,  1383, 65535, 65535,
    65535,   650, 65535, 65535,  2103,   168, 65535,   872,  1108, 65535, 65535,   848,  1571, 65535, 65535, 65535,
      411, 65535,  1172, 65535,  2005, 65535, 65535,   129,   155,   895, 65535,  1745, 65535,   459, 65535,   171,
      833,  1594,  1131,   649, 65535,   666,   289, 65535, 65535,   639, 65535, 65535,   960, 65535,  1245, 65535,
    65535,   229, 65535,  1803, 65535,   253,  1327, 65535,   823, 65535,   987,   728,  2112, 65535, 65535,  2105,
    65535, 65535, 65535, 65535,  1213,  1481,   160,  1333,   368, 65535,  1357, 65535, 65535,  1885, 65535,    98,
     1582, 65535, 65535, 65535, 65535,   714, 65535, 65535,   204, 65535,  1174, 65535,   152,  1013, 65535, 65535,
    65535, 65535, 65535,   460, 65535, 65535,   756, 65535, 65535, 65535,   116, 65535, 65535,  2109,  1569, 65535,
      325,  1816,   829,   947,    17,  1841,  1193,  2086,   333,   261,  1095,   294,  1997, 65535,  1199,   631,
     1216,  1806,  1704,   654,   564,  1607,   896,    95, 65535, 65535, 65535, 65535, 65535,  2007,   519,   405,
    65535,  1589,  1927,  1942, 65535,   426, 65535, 65535, 65535, 65535,  1519, 65535,   350, 65535, 65535,  1886,
       47, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,   737, 65535,
    65535, 65535, 65535, 65535,  1981, 65535,   308, 65535, 65535, 65535,  1433, 65535,  1143,   364, 65535, 65535,
    65535, 65535, 65535, 65535, 65535,  1065,   182, 65535,   661,  1707, 65535,  1523, 65535,    46,    63,  1423,
    65535, 65535, 65535,  1251, 65535, 65535,   487, 65535, 65535, 65535,   395,  1411, 65535, 65535,  2068,   586,
      715,  1492,   201,   752,  2124, 65535,  1184, 65535, 65535, 65535,   854,  1742,   607, 65535, 65535, 65535,
    65535, 65535,  1128, 65535,    59, 65535,  1932, 65535, 65535,  1736,  1180,  1512, 65535, 65535, 65535,  1486,
     1394, 65535, 65535,  1285,  2035,   504, 65535, 65535, 65535,   750,  1226, 65535, 65535, 65535, 65535,  1249,
     1145,  1405,  1176, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1085, 65535,  1274,    20, 65535, 65535,
     1674, 65535, 65535, 65535, 65535, 65535,   421, 65535, 65535,  1082, 65535,  1066,   891,  1140,   544,   222,
     1678, 65535,   236, 65535, 65535, 65535, 65535,   433,  1926,     4, 65535, 65535,   985,   380,   561, 65535,
      541,   450, 65535, 65535,  1525, 65535,   474,   914, 65535, 65535,  1201,   956, 65535, 65535,  1457, 65535,
      915, 65535, 65535, 65535, 65535, 65535,    40, 65535,    27,   734, 65535,   768, 65535, 65535,  1307, 65535,
    65535, 65535, 65535, 65535,   637, 65535, 65535, 65535,  1780,  1370, 65535,  1830,    14,   372,  1874,   547,
     1663, 65535,    83, 65535,  1922,  1323,  2027, 65535, 65535,   958, 65535,  2107,   772, 65535, 65535,   861,
     1378, 65535,  1868,  1173, 65535, 65535,  1147, 65535,    26,   533,  1576, 65535,   484,   176,  1231,  1683,
      652, 65535, 65535,   651, 65535, 65535, 65535, 65535,  1829,   933, 65535, 65535, 65535, 65535,  1568, 65535,
    65535,   869,   932,   503,  1969,  1235,  1303,  1093,   754,  2026,   798,  1435, 65535,  2100,  1567,   245,
    65535,  1315,   358,   234,  1938,   476,  1864, 65535, 65535,  1767, 65535, 65535,  1189,  1112, 65535,   971,
    65535, 65535, 65535, 65535,  1766, 65535, 65535,  1586,  1630,  1034,   283,  1848, 65535,  1446,  1144,   674,
      753, 65535,   685, 65535, 65535,  1881, 65535, 65535,  1031,  1782,  1474, 65535, 65535,  1960, 65535, 65535,
       16, 65535, 65535, 65535, 65535,  1462,   506, 65535,   367, 65535,   757, 65535,  1477, 65535,   491,   282,
     1990,   851, 65535, 65535, 65535, 65535,   546, 65535,  1975,   648,   681,   173,  1645, 65535,  2054,  1947,
    65535, 65535,  1680,   336,  1511,   716, 65535,  1593,  1401,   536, 65535,  2009, 65535,   499,   431, 65535,
     1257,  1314,  1900,   689,   594,  1414,  1839, 65535, 65535, 65535,  1518,  1109,  1810, 65535, 65535,  1358,
     1940, 65535, 65535,   371,  1425, 65535, 65535,   731, 65535, 65535,   359, 65535, 65535,   144, 65535,   592,
     1005, 65535,   318,   232,   635, 65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1774, 65535,  2033,
     1392,   579, 65535,  1399,   156, 65535, 65535, 65535, 65535,  1658,   231,  1653,  1781, 65535, 65535, 65535,
    65535, 65535,   567,   633, 65535,  1987,   206,  1977, 65535, 65535,  1743,  2037, 65535, 65535, 65535, 65535,
    65535, 65535, 65535,   951, 65535,   221, 65535,  1208,  1284, 65535,  1107, 65535,  1820,   387,  1050,  1402,
    65535,   191,  1580,  2018,  1130,  1136,  1802, 65535,   625,  1497, 65535, 65535,   539,  1053,   717,   913,
        7,   472,   478,   578, 65535, 65535,   606, 65535,  1319, 65535,  1504, 65535,  1861, 65535,   338, 65535,
    65535, 65535,   662,  2000, 65535,  1441, 65535,  1620,   816,  1412,  1271, 65535, 65535, 65535,  1828,  1393,
      412,  2088,  1880,   351,   327,  1280,   920,  1410,  1282,   200,   244, 65535,  1750, 65535,    37, 65535,
      747,  2010,  1185,  1854,  1134,   838,  1063,  1951, 65535, 65535, 65535, 65535, 65535, 65535, 65535,  1651,
    65535, 65535,  1741,   352,   384,   655,   397,   438,   903, 65535,   273,  1534, 65535,  1021,   671,  1751,
    65535, 65535, 65535, 65535,  1740,  1907,   826,   131,  1233,  1458,  1754,  1238,   486,   453,   130,  1941,
       54, 65535,  1849,   557, 65535, 65535,  1916, 65535,   573,  1428,  1509,  1278, 65535,  1549,  1584,  2032,
    65535,  2021, 65535,  1094, 65535,  1461, 65535, 65535,  1768,  1734,   300, 65535, 65535, 65535,   597,  1308,
    65535, 65535, 65535, 65535,   827, 65535,  1978, 65535, 65535,  1169,  1064,  1992, 65535, 65535, 65535, 65535,
     1826, 65535, 65535, 65535,   496, 65535, 65535,  1788,   732,  2045,  1963, 65535,  1313,   566, 65535, 65535,
      898,  1360,   559,  1649,  1690, 65535, 65535,   423, 65535, 65535, 65535, 65535,   952,  1468,  2039, 65535,
};

}  // namespace ConversionesTextoHTML::ReferenciasHTML5
