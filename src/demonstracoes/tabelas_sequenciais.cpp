#include "demonstracoes/tabelas_demonstracoes.h"

namespace zefira {

// Two-cylinder sequences: intuitive, cascade and step-by-step circuits.
// One row per component in construction order: code | kind | left, top | settings.
const std::vector<TTabelaDemonstracao> &Tabelas_Sequenciais()
{
    static const std::vector<TTabelaDemonstracao> tabelas = {
        {"intuitivo1", "&Intuitivo 1", " - DEMO - Intuitivo 1", R"(
| 11 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "b1" at 0, 2 = "b2" at 100 |
| 12 | valve, 5 ways | 110, 125 | left pilot; right pilot; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (94, 79) (94, 95) (140, 95) (140, 120) |
| 14 | wire |  | 11.2 to 12.2: (172, 79) (172, 95) (152, 95) (152, 120) |
| 15 | air supply | 140, 156 | on 12.1 |
| 19 | valve, 3 ways | 56, 258 | left "Alavanca com Trava"; right spring; name "a4"; tomada_ar |
| 21 | air supply | 80, 289 | on 19.1 |
| 22 | valve, 3 ways | 186, 183 | left "Rolete"; right spring; label "a1"; tomada_ar |
| 24 | air supply | 210, 214 | on 22.1 |
| 36 | cylinder | 366, 47 | double acting, single rod; name "B"; labels 1 = "a2" at 0, 2 = "a1" at 100 |
| 37 | valve, 5 ways | 388, 122 | left pilot; right pilot; name "b0"; tomada_ar |
| 38 | wire |  | 36.1 to 37.4: (370, 79) (370, 100) (418, 100) (418, 117) |
| 39 | wire |  | 36.2 to 37.2: (448, 79) (448, 102) (430, 102) (430, 117) |
| 40 | air supply | 418, 153 | on 37.1 |
| 42 | valve, 3 ways | 80, 180 | left "Rolete"; right spring; label "a2"; initial 1, current 1, drawn 1 |
| 43 | wire |  | 42.1 to 19.2: (86, 210) (86, 236) (86, 236) (86, 253) |
| 44 | wire |  | 12.6 to 42.2: (90, 137) (86, 137) (86, 151) (86, 151) (86, 175) |
| 45 | wire |  | 12.7 to 22.2: (178, 137) (216, 137) (216, 178) |
| 46 | valve, 3 ways | 334, 183 | left "Rolete"; right spring; label "b2"; tomada_ar |
| 47 | wire |  | 37.6 to 46.2: (368, 134) (364, 134) (364, 178) |
| 48 | air supply | 358, 214 | on 46.1 |
| 49 | valve, 3 ways | 480, 187 | left "Rolete"; right spring; label "b1"; tomada_ar; initial 1, current 1, drawn 1 |
| 50 | wire |  | 37.7 to 49.2: (456, 134) (486, 134) (486, 182) |
| 51 | air supply | 480, 218 | on 49.1 |
)"},
        {"intuitivo2", "I&ntuitivo 2", " - DEMO - Intuitivo 2", R"(
| 11 | cylinder | 90, 47 | double acting, single rod; name "A"; labels 1 = "a2" at 0, 2 = "b2" at 100 |
| 12 | valve, 5 ways | 108, 115 | left pilot; right pilot; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (94, 79) (94, 95) (138, 95) (138, 110) |
| 14 | wire |  | 11.2 to 12.2: (172, 79) (172, 95) (150, 95) (150, 110) |
| 15 | air supply | 138, 146 | on 12.1 |
| 19 | valve, 3 ways | 56, 274 | left "Alavanca com Trava"; right none; name "a4"; tomada_ar |
| 21 | air supply | 80, 305 | on 19.1 |
| 22 | valve, 3 ways | 198, 184 | left "Rolete"; right spring; label "a1"; initial 2, current 1, drawn 1 |
| 36 | cylinder | 335, 47 | double acting, single rod; name "B"; labels 1 = "a1" at 0, 2 = "b1" at 100 |
| 37 | valve, 5 ways | 355, 122 | left pilot; right pilot; name "b0"; tomada_ar |
| 38 | wire |  | 36.1 to 37.4: (339, 79) (339, 100) (385, 100) (385, 117) |
| 39 | wire |  | 36.2 to 37.2: (417, 79) (417, 99) (397, 99) (397, 117) |
| 40 | air supply | 385, 153 | on 37.1 |
| 42 | valve, 3 ways | 80, 191 | left "Rolete"; right spring; label "a2"; initial 1, current 1, drawn 1 |
| 43 | wire |  | 42.1 to 19.2: (86, 221) (86, 236) (86, 236) (86, 269) |
| 45 | wire |  | 12.7 to 22.2: (176, 127) (204, 127) (204, 179) |
| 46 | valve, 3 ways | 293, 184 | left "Rolete"; right spring; label "b2" |
| 47 | wire |  | 37.6 to 46.2: (335, 134) (323, 134) (323, 179) |
| 49 | valve, 3 ways | 453, 244 | left "Rolete"; right spring; label "b1"; tomada_ar; initial 1, current 1, drawn 1 |
| 51 | air supply | 453, 275 | on 49.1 |
| 52 | valve, 5 ways | 239, 278 | left pilot; right pilot; name "E1"; tomada_ar |
| 53 | air supply | 269, 309 | on 52.1 |
| 54 | wire |  | 22.1 to 52.2: (204, 214) (204, 241) (281, 241) (281, 273) |
| 55 | wire |  | 52.4 to 46.1: (269, 273) (269, 255) (323, 255) (323, 214) |
| 56 | jump | 82, 168 |  |
| 57 | wire |  | 56.1 to 12.6: (86, 168) (86, 127) (86, 127) |
| 58 | wire |  | 56.2 to 42.2: (86, 177) (86, 182) (86, 182) (86, 186) |
| 59 | wire |  | 56.4 to 52.6: (91, 172) (146, 172) (146, 290) (219, 290) |
| 60 | jump | 455, 185 |  |
| 62 | wire |  | 60.2 to 49.2: (459, 194) (459, 207) (459, 207) (459, 239) |
| 63 | wire |  | 60.3 to 52.7: (455, 189) (397, 189) (397, 290) (307, 290) |
| 65 | wire |  | 60.1 to 37.7: (459, 185) (459, 134) (423, 134) |
)"},
        {"cascata", "&Cascata", " - DEMO - Cascata", R"(
| 11 | cylinder | 77, 36 | double acting, single rod; name "A"; labels 1 = "a2" at 0, 2 = "b2" at 100 |
| 12 | valve, 5 ways | 87, 115 | left pilot; right pilot; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (81, 68) (81, 85) (117, 85) (117, 110) |
| 14 | wire |  | 11.2 to 12.2: (159, 68) (159, 85) (129, 85) (129, 110) |
| 15 | air supply | 117, 146 | on 12.1 |
| 19 | valve, 3 ways | 142, 442 | left "Alavanca com Trava"; right none; name "a4" |
| 22 | valve, 3 ways | 183, 184 | left "Rolete"; right spring; label "a1"; initial 2, current 1, drawn 1 |
| 36 | cylinder | 340, 35 | double acting, single rod; name "B"; labels 1 = "a1" at 0, 2 = "b1" at 100 |
| 37 | valve, 5 ways | 357, 124 | left pilot; right pilot; name "b0" |
| 38 | wire |  | 36.1 to 37.4: (344, 67) (344, 90) (387, 90) (387, 119) |
| 39 | wire |  | 36.2 to 37.2: (422, 67) (422, 89) (399, 89) (399, 119) |
| 40 | air supply | 387, 155 | on 37.1 |
| 42 | valve, 3 ways | 166, 352 | left "Rolete"; right spring; label "a2"; initial 2, current 1, drawn 1 |
| 46 | valve, 3 ways | 284, 184 | left "Rolete"; right spring; label "b2" |
| 49 | valve, 3 ways | 333, 353 | left "Rolete"; right spring; label "b1" |
| 52 | valve, 5 ways | 235, 311 | left pilot; right pilot; name "E1"; tomada_ar |
| 53 | air supply | 265, 342 | on 52.1 |
| 56 | jump | 39, 257 |  |
| 60 | jump | 185, 276 |  |
| 65 | wire |  | 46.2 to 37.6: (314, 179) (314, 136) (337, 136) |
| 66 | wire |  | 12.7 to 22.2: (155, 127) (189, 127) (189, 179) |
| 67 | jump | 310, 257 |  |
| 69 | jump | 478, 257 |  |
| 71 | wire |  | 46.1 to 67.1: (314, 214) (314, 240) (314, 240) (314, 257) |
| 72 | wire |  | 67.4 to 69.3: (319, 261) (387, 261) (387, 261) (478, 261) |
| 73 | wire |  | 12.6 to 56.1: (67, 127) (43, 127) (43, 257) |
| 74 | jump | 449, 276 |  |
| 75 | jump | 87, 276 |  |
| 76 | wire |  | 75.4 to 60.3: (96, 280) (154, 280) (154, 280) (185, 280) |
| 78 | jump | 262, 257 |  |
| 79 | wire |  | 78.4 to 67.3: (271, 261) (296, 261) (296, 261) (310, 261) |
| 80 | wire |  | 52.4 to 78.2: (265, 306) (265, 265) (266, 265) (266, 266) |
| 81 | wire |  | 56.4 to 78.3: (48, 261) (175, 261) (175, 261) (262, 261) |
| 82 | wire |  | 52.7 to 49.2: (303, 323) (363, 323) (363, 348) |
| 83 | wire |  | 37.7 to 74.1: (425, 136) (453, 136) (453, 276) |
| 84 | jump | 273, 276 |  |
| 86 | wire |  | 84.2 to 52.2: (277, 285) (277, 308) (277, 308) (277, 306) |
| 87 | wire |  | 60.4 to 84.3: (194, 280) (247, 280) (247, 280) (273, 280) |
| 88 | wire |  | 74.3 to 84.4: (449, 280) (345, 280) (345, 280) (282, 280) |
| 89 | wire |  | 42.1 to 19.2: (172, 382) (172, 403) (172, 403) (172, 437) |
| 90 | wire |  | 75.2 to 19.1: (91, 285) (91, 495) (172, 495) (172, 472) |
| 91 | wire |  | 22.1 to 60.1: (189, 214) (189, 250) (189, 250) (189, 276) |
| 92 | wire |  | 69.2 to 49.1: (482, 266) (482, 404) (363, 404) (363, 383) |
| 93 | wire |  | 52.6 to 42.2: (215, 323) (172, 323) (172, 347) |
)"},
        {"passoapasso", "&Passo a Passo", " - DEMO - Passo a Passo", R"(
| 11 | cylinder | 88, 25 | double acting, single rod; name "A"; labels 1 = "a2" at 0, 2 = "b2" at 100 |
| 12 | valve, 5 ways | 108, 101 | left pilot; right pilot; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (92, 57) (92, 72) (138, 72) (138, 96) |
| 14 | wire |  | 11.2 to 12.2: (170, 57) (170, 74) (150, 74) (150, 96) |
| 15 | air supply | 138, 132 | on 12.1 |
| 19 | valve, 3 ways | 66, 364 | left "Alavanca com Trava"; right none; name "a4" |
| 22 | valve, 3 ways | 545, 307 | left "Rolete"; right spring; label "a1"; initial 2, current 1, drawn 1 |
| 36 | cylinder | 351, 30 | double acting, single rod; name "B"; labels 1 = "a1" at 0, 2 = "b1" at 100 |
| 37 | valve, 5 ways | 367, 102 | left pilot; right pilot; name "b0"; tomada_ar |
| 38 | wire |  | 36.1 to 37.4: (355, 62) (355, 75) (397, 75) (397, 97) |
| 39 | wire |  | 36.2 to 37.2: (433, 62) (433, 74) (409, 74) (409, 97) |
| 40 | air supply | 397, 133 | on 37.1 |
| 42 | valve, 3 ways | 90, 285 | left "Rolete"; right spring; label "a2"; initial 2, current 1, drawn 1 |
| 46 | valve, 3 ways | 226, 311 | left "Rolete"; right spring; label "b2" |
| 49 | valve, 3 ways | 401, 316 | left "Rolete"; right spring; label "b1" |
| 56 | jump | 28, 182 |  |
| 60 | jump | 212, 199 |  |
| 67 | jump | 380, 182 |  |
| 69 | jump | 492, 182 |  |
| 74 | jump | 513, 199 |  |
| 75 | jump | 28, 199 |  |
| 76 | wire |  | 75.4 to 60.3: (37, 203) (154, 203) (154, 203) (212, 203) |
| 84 | jump | 617, 199 |  |
| 95 | jump | 28, 152 |  |
| 96 | valve, 3 ways | 134, 232 | left pilot; right pilot; name "E1"; tomada_ar |
| 97 | air supply | 158, 263 | on 96.1 |
| 98 | valve, 3 ways | 289, 233 | left pilot; right pilot; name "E2"; tomada_ar |
| 99 | jump | 160, 152 |  |
| 100 | wire |  | 95.4 to 99.3: (37, 156) (124, 156) (124, 156) (160, 156) |
| 101 | wire |  | 99.2 to 96.2: (164, 161) (164, 208) (164, 208) (164, 227) |
| 102 | jump | 28, 169 |  |
| 103 | jump | 222, 169 |  |
| 104 | wire |  | 102.4 to 103.3: (37, 173) (148, 173) (148, 173) (222, 173) |
| 105 | wire |  | 96.7 to 103.2: (202, 244) (226, 244) (226, 214) (226, 214) (226, 178) |
| 106 | air supply | 313, 264 | on 98.1 |
| 108 | wire |  | 96.6 to 42.2: (114, 244) (96, 244) (96, 280) |
| 109 | wire |  | 42.1 to 19.2: (96, 315) (96, 353) (96, 353) (96, 359) |
| 111 | wire |  | 12.6 to 95.1: (88, 113) (32, 113) (32, 152) |
| 112 | valve, 3 ways | 420, 232 | left pilot; right pilot; name "E3"; tomada_ar |
| 113 | valve, 3 ways | 571, 232 | left pilot; right pilot; name "E4 "; tomada_ar; initial 1, current 1, drawn 1 |
| 116 | wire |  | 75.2 to 19.1: (32, 208) (32, 410) (96, 410) (96, 394) |
| 117 | jump | 315, 169 |  |
| 118 | wire |  | 98.2 to 117.2: (319, 228) (319, 189) (319, 189) (319, 178) |
| 119 | wire |  | 37.6 to 117.1: (347, 114) (319, 114) (319, 169) |
| 121 | wire |  | 103.4 to 117.3: (231, 173) (259, 173) (259, 173) (315, 173) |
| 123 | jump | 359, 169 |  |
| 124 | wire |  | 117.4 to 123.3: (324, 173) (324, 173) (324, 173) (359, 173) |
| 125 | wire |  | 12.7 to 60.1: (176, 113) (216, 113) (216, 199) |
| 127 | jump | 197, 152 |  |
| 128 | wire |  | 127.2 to 46.1: (201, 161) (201, 366) (256, 366) (256, 341) |
| 129 | wire |  | 99.4 to 127.3: (169, 156) (182, 156) (182, 156) (197, 156) |
| 130 | wire |  | 98.6 to 46.2: (269, 245) (256, 245) (256, 271) (256, 271) (256, 306) |
| 131 | jump | 616, 152 |  |
| 132 | air supply | 444, 263 | on 112.1 |
| 135 | wire |  | 127.4 to 131.3: (206, 156) (407, 156) (407, 156) (616, 156) |
| 136 | air supply | 571, 263 | on 113.1 |
| 137 | wire |  | 131.4 to 113.7: (625, 156) (647, 156) (647, 244) (639, 244) |
| 140 | jump | 573, 199 |  |
| 142 | wire |  | 140.2 to 113.2: (577, 208) (577, 223) (577, 223) (577, 227) |
| 143 | wire |  | 113.6 to 22.2: (551, 244) (531, 244) (531, 280) (551, 280) (551, 302) |
| 144 | wire |  | 37.7 to 69.1: (435, 114) (496, 114) (496, 182) |
| 146 | wire |  | 74.4 to 140.3: (522, 203) (527, 203) (527, 203) (573, 203) |
| 147 | wire |  | 74.2 to 112.7: (517, 208) (517, 244) (488, 244) |
| 150 | wire |  | 69.2 to 22.1: (496, 191) (496, 369) (551, 369) (551, 337) |
| 151 | jump | 446, 182 |  |
| 152 | wire |  | 67.4 to 151.3: (389, 186) (396, 186) (396, 186) (446, 186) |
| 153 | wire |  | 151.4 to 69.3: (455, 186) (475, 186) (475, 186) (492, 186) |
| 154 | wire |  | 151.2 to 112.2: (450, 191) (450, 212) (450, 212) (450, 227) |
| 156 | wire |  | 67.2 to 98.7: (384, 191) (384, 222) (384, 222) (384, 245) (357, 245) |
| 158 | wire |  | 112.6 to 49.2: (400, 244) (394, 244) (394, 288) (431, 288) (431, 311) |
| 159 | wire |  | 123.2 to 49.1: (363, 178) (363, 368) (431, 368) (431, 346) |
| 160 | wire |  | 56.4 to 67.3: (37, 186) (220, 186) (220, 186) (380, 186) |
| 161 | jump | 617, 169 |  |
| 162 | wire |  | 123.4 to 161.3: (368, 173) (489, 173) (489, 173) (617, 173) |
| 163 | jump | 617, 182 |  |
| 164 | wire |  | 69.4 to 163.3: (501, 186) (559, 186) (559, 186) (617, 186) |
| 165 | wire |  | 140.4 to 84.3: (582, 203) (594, 203) (594, 203) (617, 203) |
| 166 | wire |  | 60.4 to 74.3: (221, 203) (357, 203) (357, 203) (513, 203) |
)"},
    };
    return tabelas;
}

} // namespace zefira
