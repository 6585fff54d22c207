#include "demonstracoes/tabelas_demonstracoes.h"

namespace zefira {

// Electro-pneumatic circuits: the pneumatic part on the left, the current paths on the right,
// each between its own +24 V terminal on top and 0 V terminal below. Conductors and tubes marked
// "auto" are routed between their ports when the circuit is built.
// One row per component in construction order: code | kind | left, top | settings.
const std::vector<TTabelaDemonstracao> &Tabelas_Eletricas()
{
    static const std::vector<TTabelaDemonstracao> tabelas = {
        {"eletro_direto", "Comando &direto", " - DEMO - Comando direto", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A" |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right spring; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | terminal | 350, 30 | mode 0 |
| 7 | button | 332, 70 | mode 0; tag "S1" |
| 8 | wire |  | 6.1 to 7.1: auto |
| 9 | solenoid | 345, 130 | tag "1Y1" |
| 10 | wire |  | 7.2 to 9.1: auto |
| 11 | terminal | 350, 330 | mode 1 |
| 12 | wire |  | 9.2 to 11.1: auto |
)"},
        {"eletro_selo", "&Selo (auto-retenção)", " - DEMO - Selo", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A" |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right spring; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | terminal | 350, 30 | mode 0 |
| 7 | button | 332, 70 | mode 1; tag "S0" |
| 8 | wire |  | 6.1 to 7.1: auto |
| 9 | electric junction | 357, 130 |  |
| 10 | wire |  | 7.2 to 9.1: auto |
| 11 | button | 332, 160 | mode 0; tag "S1" |
| 12 | wire |  | 9.2 to 11.1: auto |
| 13 | contact | 405, 160 | mode 0; tag "K1" |
| 14 | wire |  | 9.4 to 13.1: auto |
| 15 | electric junction | 357, 220 |  |
| 16 | wire |  | 11.2 to 15.1: auto |
| 17 | wire |  | 13.2 to 15.4: auto |
| 18 | coil | 345, 250 | mode 0; tag "K1" |
| 19 | wire |  | 15.2 to 18.1: auto |
| 20 | terminal | 350, 330 | mode 1 |
| 21 | wire |  | 18.2 to 20.1: auto |
| 22 | terminal | 470, 30 | mode 0 |
| 23 | contact | 465, 70 | mode 0; tag "K1" |
| 24 | wire |  | 22.1 to 23.1: auto |
| 25 | solenoid | 465, 130 | tag "1Y1" |
| 26 | wire |  | 23.2 to 25.1: auto |
| 27 | terminal | 470, 330 | mode 1 |
| 28 | wire |  | 25.2 to 27.1: auto |
)"},
        {"eletro_ciclo_unico", "Ciclo &único", " - DEMO - Ciclo único", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | terminal | 350, 30 | mode 0 |
| 7 | button | 332, 70 | mode 0; tag "S1" |
| 8 | wire |  | 6.1 to 7.1: auto |
| 9 | solenoid | 345, 130 | tag "1Y1" |
| 10 | wire |  | 7.2 to 9.1: auto |
| 11 | terminal | 350, 330 | mode 1 |
| 12 | wire |  | 9.2 to 11.1: auto |
| 13 | terminal | 410, 30 | mode 0 |
| 14 | sensor | 392, 70 | mode 0; tag "1S2"; label "a1" |
| 15 | wire |  | 13.1 to 14.1: auto |
| 16 | solenoid | 405, 130 | tag "1Y2" |
| 17 | wire |  | 14.2 to 16.1: auto |
| 18 | terminal | 410, 330 | mode 1 |
| 19 | wire |  | 16.2 to 18.1: auto |
)"},
        {"eletro_intuitivo", "In&tuitivo elétrico", " - DEMO - Intuitivo elétrico", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "a0" at 0, 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | cylinder | 330, 47 | double acting, single rod; name "B"; labels 1 = "b0" at 0, 2 = "b1" at 100 |
| 7 | valve, 5 ways | 350, 125 | left solenoid "2Y1"; right solenoid "2Y2"; name "2V1"; tomada_ar |
| 8 | wire |  | 6.1 to 7.4: auto |
| 9 | wire |  | 6.2 to 7.2: auto |
| 10 | air supply | 380, 156 | on 7.1 |
| 11 | terminal | 590, 30 | mode 0 |
| 12 | button | 572, 70 | mode 0; tag "S1" |
| 13 | wire |  | 11.1 to 12.1: auto |
| 14 | sensor | 572, 130 | mode 0; tag "2S1"; label "b0" |
| 15 | wire |  | 12.2 to 14.1: auto |
| 16 | solenoid | 585, 190 | tag "1Y1" |
| 17 | wire |  | 14.2 to 16.1: auto |
| 18 | terminal | 590, 330 | mode 1 |
| 19 | wire |  | 16.2 to 18.1: auto |
| 20 | terminal | 660, 30 | mode 0 |
| 21 | sensor | 642, 70 | mode 0; tag "1S2"; label "a1" |
| 22 | wire |  | 20.1 to 21.1: auto |
| 23 | solenoid | 655, 130 | tag "2Y1" |
| 24 | wire |  | 21.2 to 23.1: auto |
| 25 | terminal | 660, 330 | mode 1 |
| 26 | wire |  | 23.2 to 25.1: auto |
| 27 | terminal | 730, 30 | mode 0 |
| 28 | sensor | 712, 70 | mode 0; tag "2S2"; label "b1" |
| 29 | wire |  | 27.1 to 28.1: auto |
| 30 | solenoid | 725, 130 | tag "1Y2" |
| 31 | wire |  | 28.2 to 30.1: auto |
| 32 | terminal | 730, 330 | mode 1 |
| 33 | wire |  | 30.2 to 32.1: auto |
| 34 | terminal | 800, 30 | mode 0 |
| 35 | sensor | 782, 70 | mode 0; tag "1S1"; label "a0" |
| 36 | wire |  | 34.1 to 35.1: auto |
| 37 | solenoid | 795, 130 | tag "2Y2" |
| 38 | wire |  | 35.2 to 37.1: auto |
| 39 | terminal | 800, 330 | mode 1 |
| 40 | wire |  | 37.2 to 39.1: auto |
)"},
        {"eletro_cascata", "Cascata e&létrica", " - DEMO - Cascata elétrica", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "a0" at 0, 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | cylinder | 330, 47 | double acting, single rod; name "B"; labels 1 = "b0" at 0, 2 = "b1" at 100 |
| 7 | valve, 5 ways | 350, 125 | left solenoid "2Y1"; right solenoid "2Y2"; name "2V1"; tomada_ar |
| 8 | wire |  | 6.1 to 7.4: auto |
| 9 | wire |  | 6.2 to 7.2: auto |
| 10 | air supply | 380, 156 | on 7.1 |
| 11 | terminal | 590, 30 | mode 0 |
| 12 | sensor | 572, 70 | mode 0; tag "2S2"; nf; label "b1" |
| 13 | wire |  | 11.1 to 12.1: auto |
| 14 | electric junction | 597, 130 |  |
| 15 | wire |  | 12.2 to 14.1: auto |
| 16 | button | 572, 160 | mode 0; tag "S1" |
| 17 | wire |  | 14.2 to 16.1: auto |
| 18 | sensor | 572, 220 | mode 0; tag "1S1"; label "a0" |
| 19 | wire |  | 16.2 to 18.1: auto |
| 20 | contact | 645, 160 | mode 0; tag "K1" |
| 21 | wire |  | 14.4 to 20.1: auto |
| 22 | electric junction | 597, 280 |  |
| 23 | wire |  | 18.2 to 22.1: auto |
| 24 | wire |  | 20.2 to 22.4: auto |
| 25 | coil | 585, 310 | mode 0; tag "K1" |
| 26 | wire |  | 22.2 to 25.1: auto |
| 27 | terminal | 590, 370 | mode 1 |
| 28 | wire |  | 25.2 to 27.1: auto |
| 29 | terminal | 730, 30 | mode 0 |
| 30 | contact | 725, 70 | mode 0; tag "K1" |
| 31 | wire |  | 29.1 to 30.1: auto |
| 32 | solenoid | 725, 130 | tag "1Y1" |
| 33 | wire |  | 30.2 to 32.1: auto |
| 34 | terminal | 730, 330 | mode 1 |
| 35 | wire |  | 32.2 to 34.1: auto |
| 36 | terminal | 800, 30 | mode 0 |
| 37 | contact | 795, 70 | mode 0; tag "K1" |
| 38 | wire |  | 36.1 to 37.1: auto |
| 39 | sensor | 782, 130 | mode 0; tag "1S2"; label "a1" |
| 40 | wire |  | 37.2 to 39.1: auto |
| 41 | solenoid | 795, 190 | tag "2Y1" |
| 42 | wire |  | 39.2 to 41.1: auto |
| 43 | terminal | 800, 330 | mode 1 |
| 44 | wire |  | 41.2 to 43.1: auto |
| 45 | terminal | 870, 30 | mode 0 |
| 46 | contact | 865, 70 | mode 1; tag "K1" |
| 47 | wire |  | 45.1 to 46.1: auto |
| 48 | solenoid | 865, 130 | tag "2Y2" |
| 49 | wire |  | 46.2 to 48.1: auto |
| 50 | terminal | 870, 330 | mode 1 |
| 51 | wire |  | 48.2 to 50.1: auto |
| 52 | terminal | 940, 30 | mode 0 |
| 53 | contact | 935, 70 | mode 1; tag "K1" |
| 54 | wire |  | 52.1 to 53.1: auto |
| 55 | sensor | 922, 130 | mode 0; tag "2S1"; label "b0" |
| 56 | wire |  | 53.2 to 55.1: auto |
| 57 | solenoid | 935, 190 | tag "1Y2" |
| 58 | wire |  | 55.2 to 57.1: auto |
| 59 | terminal | 940, 330 | mode 1 |
| 60 | wire |  | 57.2 to 59.1: auto |
)"},
        {"eletro_passo_a_passo", "Passo a passo el&étrico", " - DEMO - Passo a passo elétrico", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "a0" at 0, 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | cylinder | 330, 47 | double acting, single rod; name "B"; labels 1 = "b0" at 0, 2 = "b1" at 100 |
| 7 | valve, 5 ways | 350, 125 | left solenoid "2Y1"; right solenoid "2Y2"; name "2V1"; tomada_ar |
| 8 | wire |  | 6.1 to 7.4: auto |
| 9 | wire |  | 6.2 to 7.2: auto |
| 10 | air supply | 380, 156 | on 7.1 |
| 11 | terminal | 590, 30 | mode 0 |
| 12 | contact | 585, 70 | mode 1; tag "K2" |
| 13 | wire |  | 11.1 to 12.1: auto |
| 14 | electric junction | 597, 130 |  |
| 15 | wire |  | 12.2 to 14.1: auto |
| 16 | button | 572, 160 | mode 0; tag "S1" |
| 17 | wire |  | 14.2 to 16.1: auto |
| 18 | sensor | 572, 220 | mode 0; tag "1S1"; label "a0" |
| 19 | wire |  | 16.2 to 18.1: auto |
| 20 | contact | 645, 160 | mode 0; tag "K1" |
| 21 | wire |  | 14.4 to 20.1: auto |
| 22 | electric junction | 597, 280 |  |
| 23 | wire |  | 18.2 to 22.1: auto |
| 24 | wire |  | 20.2 to 22.4: auto |
| 25 | coil | 585, 310 | mode 0; tag "K1" |
| 26 | wire |  | 22.2 to 25.1: auto |
| 27 | terminal | 590, 370 | mode 1 |
| 28 | wire |  | 25.2 to 27.1: auto |
| 29 | terminal | 720, 30 | mode 0 |
| 30 | contact | 715, 70 | mode 1; tag "K3" |
| 31 | wire |  | 29.1 to 30.1: auto |
| 32 | electric junction | 727, 130 |  |
| 33 | wire |  | 30.2 to 32.1: auto |
| 34 | contact | 715, 160 | mode 0; tag "K1" |
| 35 | wire |  | 32.2 to 34.1: auto |
| 36 | sensor | 702, 220 | mode 0; tag "1S2"; label "a1" |
| 37 | wire |  | 34.2 to 36.1: auto |
| 38 | contact | 775, 160 | mode 0; tag "K2" |
| 39 | wire |  | 32.4 to 38.1: auto |
| 40 | electric junction | 727, 280 |  |
| 41 | wire |  | 36.2 to 40.1: auto |
| 42 | wire |  | 38.2 to 40.4: auto |
| 43 | coil | 715, 310 | mode 0; tag "K2" |
| 44 | wire |  | 40.2 to 43.1: auto |
| 45 | terminal | 720, 370 | mode 1 |
| 46 | wire |  | 43.2 to 45.1: auto |
| 47 | terminal | 850, 30 | mode 0 |
| 48 | contact | 845, 70 | mode 1; tag "K4" |
| 49 | wire |  | 47.1 to 48.1: auto |
| 50 | electric junction | 857, 130 |  |
| 51 | wire |  | 48.2 to 50.1: auto |
| 52 | contact | 845, 160 | mode 0; tag "K2" |
| 53 | wire |  | 50.2 to 52.1: auto |
| 54 | sensor | 832, 220 | mode 0; tag "2S2"; label "b1" |
| 55 | wire |  | 52.2 to 54.1: auto |
| 56 | contact | 905, 160 | mode 0; tag "K3" |
| 57 | wire |  | 50.4 to 56.1: auto |
| 58 | electric junction | 857, 280 |  |
| 59 | wire |  | 54.2 to 58.1: auto |
| 60 | wire |  | 56.2 to 58.4: auto |
| 61 | coil | 845, 310 | mode 0; tag "K3" |
| 62 | wire |  | 58.2 to 61.1: auto |
| 63 | terminal | 850, 370 | mode 1 |
| 64 | wire |  | 61.2 to 63.1: auto |
| 65 | terminal | 980, 30 | mode 0 |
| 66 | contact | 975, 70 | mode 1; tag "K5" |
| 67 | wire |  | 65.1 to 66.1: auto |
| 68 | electric junction | 987, 130 |  |
| 69 | wire |  | 66.2 to 68.1: auto |
| 70 | contact | 975, 160 | mode 0; tag "K3" |
| 71 | wire |  | 68.2 to 70.1: auto |
| 72 | sensor | 962, 220 | mode 0; tag "2S1"; label "b0" |
| 73 | wire |  | 70.2 to 72.1: auto |
| 74 | contact | 1035, 160 | mode 0; tag "K4" |
| 75 | wire |  | 68.4 to 74.1: auto |
| 76 | electric junction | 987, 280 |  |
| 77 | wire |  | 72.2 to 76.1: auto |
| 78 | wire |  | 74.2 to 76.4: auto |
| 79 | coil | 975, 310 | mode 0; tag "K4" |
| 80 | wire |  | 76.2 to 79.1: auto |
| 81 | terminal | 980, 370 | mode 1 |
| 82 | wire |  | 79.2 to 81.1: auto |
| 83 | terminal | 1110, 30 | mode 0 |
| 84 | contact | 1105, 70 | mode 1; tag "K1" |
| 85 | wire |  | 83.1 to 84.1: auto |
| 86 | electric junction | 1117, 130 |  |
| 87 | wire |  | 84.2 to 86.1: auto |
| 88 | contact | 1105, 160 | mode 0; tag "K4" |
| 89 | wire |  | 86.2 to 88.1: auto |
| 90 | sensor | 1092, 220 | mode 0; tag "1S1"; label "a0" |
| 91 | wire |  | 88.2 to 90.1: auto |
| 92 | contact | 1165, 160 | mode 0; tag "K5" |
| 93 | wire |  | 86.4 to 92.1: auto |
| 94 | electric junction | 1117, 280 |  |
| 95 | wire |  | 90.2 to 94.1: auto |
| 96 | wire |  | 92.2 to 94.4: auto |
| 97 | coil | 1105, 310 | mode 0; tag "K5" |
| 98 | wire |  | 94.2 to 97.1: auto |
| 99 | terminal | 1110, 370 | mode 1 |
| 100 | wire |  | 97.2 to 99.1: auto |
| 101 | terminal | 1240, 30 | mode 0 |
| 102 | contact | 1235, 70 | mode 0; tag "K1" |
| 103 | wire |  | 101.1 to 102.1: auto |
| 104 | solenoid | 1235, 130 | tag "1Y1" |
| 105 | wire |  | 102.2 to 104.1: auto |
| 106 | terminal | 1240, 330 | mode 1 |
| 107 | wire |  | 104.2 to 106.1: auto |
| 108 | terminal | 1310, 30 | mode 0 |
| 109 | contact | 1305, 70 | mode 0; tag "K2" |
| 110 | wire |  | 108.1 to 109.1: auto |
| 111 | solenoid | 1305, 130 | tag "2Y1" |
| 112 | wire |  | 109.2 to 111.1: auto |
| 113 | terminal | 1310, 330 | mode 1 |
| 114 | wire |  | 111.2 to 113.1: auto |
| 115 | terminal | 1380, 30 | mode 0 |
| 116 | contact | 1375, 70 | mode 0; tag "K3" |
| 117 | wire |  | 115.1 to 116.1: auto |
| 118 | solenoid | 1375, 130 | tag "2Y2" |
| 119 | wire |  | 116.2 to 118.1: auto |
| 120 | terminal | 1380, 330 | mode 1 |
| 121 | wire |  | 118.2 to 120.1: auto |
| 122 | terminal | 1450, 30 | mode 0 |
| 123 | contact | 1445, 70 | mode 0; tag "K4" |
| 124 | wire |  | 122.1 to 123.1: auto |
| 125 | solenoid | 1445, 130 | tag "1Y2" |
| 126 | wire |  | 123.2 to 125.1: auto |
| 127 | terminal | 1450, 330 | mode 1 |
| 128 | wire |  | 125.2 to 127.1: auto |
)"},
        {"eletro_temporizado", "Te&mporizado", " - DEMO - Temporizado", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | terminal | 350, 30 | mode 0 |
| 7 | button | 332, 70 | mode 0; tag "S1" |
| 8 | wire |  | 6.1 to 7.1: auto |
| 9 | solenoid | 345, 130 | tag "1Y1" |
| 10 | wire |  | 7.2 to 9.1: auto |
| 11 | terminal | 350, 330 | mode 1 |
| 12 | wire |  | 9.2 to 11.1: auto |
| 13 | terminal | 420, 30 | mode 0 |
| 14 | sensor | 402, 70 | mode 0; tag "1S2"; label "a1" |
| 15 | wire |  | 13.1 to 14.1: auto |
| 16 | coil | 415, 130 | mode 1; tag "KT1"; time 2000 |
| 17 | wire |  | 14.2 to 16.1: auto |
| 18 | terminal | 420, 330 | mode 1 |
| 19 | wire |  | 16.2 to 18.1: auto |
| 20 | terminal | 490, 30 | mode 0 |
| 21 | contact | 485, 70 | mode 0; tag "KT1" |
| 22 | wire |  | 20.1 to 21.1: auto |
| 23 | solenoid | 485, 130 | tag "1Y2" |
| 24 | wire |  | 21.2 to 23.1: auto |
| 25 | terminal | 490, 330 | mode 1 |
| 26 | wire |  | 23.2 to 25.1: auto |
)"},
        {"eletro_contador", "Contado&r", " - DEMO - Contador", R"(
| 1 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "a0" at 0, 2 = "a1" at 100 |
| 2 | valve, 5 ways | 110, 125 | left solenoid "1Y1"; right solenoid "1Y2"; name "1V1"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: auto |
| 4 | wire |  | 1.2 to 2.2: auto |
| 5 | air supply | 140, 156 | on 2.1 |
| 6 | terminal | 350, 30 | mode 0 |
| 7 | contact | 345, 70 | mode 1; tag "KC1" |
| 8 | wire |  | 6.1 to 7.1: auto |
| 9 | electric junction | 357, 130 |  |
| 10 | wire |  | 7.2 to 9.1: auto |
| 11 | button | 332, 160 | mode 0; tag "S1" |
| 12 | wire |  | 9.2 to 11.1: auto |
| 13 | contact | 405, 160 | mode 0; tag "K1" |
| 14 | wire |  | 9.4 to 13.1: auto |
| 15 | electric junction | 357, 220 |  |
| 16 | wire |  | 11.2 to 15.1: auto |
| 17 | wire |  | 13.2 to 15.4: auto |
| 18 | coil | 345, 250 | mode 0; tag "K1" |
| 19 | wire |  | 15.2 to 18.1: auto |
| 20 | terminal | 350, 330 | mode 1 |
| 21 | wire |  | 18.2 to 20.1: auto |
| 22 | terminal | 470, 30 | mode 0 |
| 23 | contact | 465, 70 | mode 0; tag "K1" |
| 24 | wire |  | 22.1 to 23.1: auto |
| 25 | sensor | 452, 130 | mode 0; tag "1S1"; label "a0" |
| 26 | wire |  | 23.2 to 25.1: auto |
| 27 | solenoid | 465, 190 | tag "1Y1" |
| 28 | wire |  | 25.2 to 27.1: auto |
| 29 | terminal | 470, 330 | mode 1 |
| 30 | wire |  | 27.2 to 29.1: auto |
| 31 | terminal | 540, 30 | mode 0 |
| 32 | sensor | 522, 70 | mode 0; tag "1S2"; label "a1" |
| 33 | wire |  | 31.1 to 32.1: auto |
| 34 | electric junction | 547, 130 |  |
| 35 | wire |  | 32.2 to 34.1: auto |
| 36 | solenoid | 535, 160 | tag "1Y2" |
| 37 | wire |  | 34.2 to 36.1: auto |
| 38 | terminal | 540, 330 | mode 1 |
| 39 | wire |  | 36.2 to 38.1: auto |
| 40 | counter | 598, 220 | preset 3; tag "KC1" |
| 41 | wire |  | 34.4 to 40.1: auto |
| 42 | terminal | 600, 330 | mode 1 |
| 43 | wire |  | 40.2 to 42.1: auto |
| 44 | terminal | 626, 30 | mode 0 |
| 45 | button | 608, 70 | mode 0; tag "S0" |
| 46 | wire |  | 44.1 to 45.1: auto |
| 47 | wire |  | 45.2 to 40.3: auto |
| 48 | terminal | 626, 330 | mode 1 |
| 49 | wire |  | 40.4 to 48.1: auto |
)"},
    };
    return tabelas;
}

} // namespace zefira
