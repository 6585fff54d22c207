#include "demonstracoes/tabelas_demonstracoes.h"

namespace zefira {

// Direct and indirect commands, AND and OR functions, single and continuous A+ A- cycles.
// One row per component in construction order: code | kind | left, top | settings.
const std::vector<TTabelaDemonstracao> &Tabelas_Basicas()
{
    static const std::vector<TTabelaDemonstracao> tabelas = {
        {"comandobasico1", "Comando Básico &1", " - DEMO - Comando Básico 1", R"(
| 2 | cylinder | 86, 39 | single acting; name "A" |
| 3 | valve, 3 ways | 60, 173 | left "Alavanca"; right spring; name "a2"; tomada_ar |
| 4 | wire |  | 3.2 to 2.1: (90, 168) (90, 87) (90, 87) (90, 71) |
| 5 | air supply | 84, 204 | on 3.1 |
| 6 | cylinder | 288, 40 | single acting; name "A" |
| 7 | valve, 3 ways | 262, 112 | left pilot; right spring; name "a0"; tomada_ar |
| 8 | wire |  | 6.1 to 7.2: (292, 72) (292, 85) (292, 85) (292, 107) |
| 9 | air supply | 286, 143 | on 7.1 |
| 10 | valve, 3 ways | 196, 173 | left "Alavanca"; right spring; name "a2"; tomada_ar |
| 11 | air supply | 220, 204 | on 10.1 |
| 12 | wire |  | 7.6 to 10.2: (242, 124) (226, 124) (226, 168) |
)"},
        {"comandobasico2", "Comando Básico &2", " - DEMO - Comando Básico 2", R"(
| 1 | cylinder | 308, 35 | double acting, single rod; name "A" |
| 2 | valve, 5 ways | 315, 120 | left pilot; right pilot; name "a0"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: (312, 67) (312, 82) (345, 82) (345, 115) |
| 4 | wire |  | 1.2 to 2.2: (390, 67) (390, 82) (357, 82) (357, 115) |
| 5 | air supply | 345, 151 | on 2.1 |
| 6 | valve, 3 ways | 224, 190 | left "Botão"; right spring; name "a2"; tomada_ar |
| 7 | wire |  | 2.6 to 6.2: (295, 132) (254, 132) (254, 185) |
| 8 | air supply | 248, 221 | on 6.1 |
| 9 | valve, 3 ways | 396, 190 | left "Botão"; right spring; name "a1"; tomada_ar |
| 10 | wire |  | 2.7 to 9.2: (383, 132) (426, 132) (426, 185) |
| 11 | air supply | 420, 221 | on 9.1 |
| 12 | cylinder | 100, 35 | double acting, single rod; name "A" |
| 13 | valve, 5 ways | 110, 117 | left pilot; right spring; name "a0"; tomada_ar |
| 14 | wire |  | 12.1 to 13.4: (104, 67) (104, 83) (140, 83) (140, 112) |
| 15 | wire |  | 12.2 to 13.2: (182, 67) (182, 83) (152, 83) (152, 112) |
| 16 | air supply | 140, 148 | on 13.1 |
| 17 | valve, 3 ways | 50, 186 | left "Botão com Trava"; right none; name "a2"; tomada_ar |
| 19 | wire |  | 13.6 to 17.2: (90, 129) (80, 129) (80, 181) |
| 20 | air supply | 74, 217 | on 17.1 |
)"},
        {"funcaoE", "Função &E", " - DEMO - Função E", R"(
| 1 | cylinder | 133, 35 | double acting, single rod; name "A" |
| 2 | valve, 5 ways | 152, 114 | left pilot; right spring; name "a0"; tomada_ar |
| 3 | air supply | 182, 145 | on 2.1 |
| 4 | wire |  | 1.1 to 2.4: (137, 67) (137, 92) (182, 92) (182, 109) |
| 5 | wire |  | 2.2 to 1.2: (194, 109) (194, 91) (215, 91) (215, 67) |
| 6 | valve, 3 ways | 83, 174 | left "Botão"; right spring; name "a2"; tomada_ar |
| 7 | wire |  | 2.6 to 6.2: (132, 126) (113, 126) (113, 169) |
| 8 | valve, 3 ways | 83, 232 | left "Botão"; right spring; name "a4"; tomada_ar |
| 9 | wire |  | 6.1 to 8.2: (113, 204) (113, 220) (113, 220) (113, 227) |
| 10 | air supply | 107, 263 | on 8.1 |
| 11 | cylinder | 323, 36 | double acting, single rod; name "A" |
| 12 | valve, 5 ways | 338, 118 | left pilot; right spring; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (327, 68) (327, 95) (368, 95) (368, 113) |
| 14 | wire |  | 11.2 to 12.2: (405, 68) (405, 95) (380, 95) (380, 113) |
| 15 | air supply | 368, 149 | on 12.1 |
| 16 | AND valve | 291, 163 |  |
| 18 | wire |  | 12.6 to 16.2: (318, 130) (316, 130) (316, 163) |
| 19 | valve, 3 ways | 236, 230 | left "Botão"; right spring; name "a2"; tomada_ar |
| 20 | wire |  | 16.1 to 19.2: (291, 180) (266, 180) (266, 225) |
| 21 | air supply | 260, 261 | on 19.1 |
| 22 | valve, 3 ways | 377, 229 | left "Botão"; right spring; name "a4"; tomada_ar |
| 23 | wire |  | 16.3 to 22.2: (341, 180) (407, 180) (407, 224) |
| 24 | air supply | 401, 260 | on 22.1 |
)"},
        {"funcaoOU", "Função &OU", " - DEMO - Função OU", R"(
| 6 | valve, 3 ways | 52, 152 | left "Botão"; right spring; name "a2"; tomada_ar |
| 8 | valve, 3 ways | 154, 153 | left "Botão"; right spring; name "a4"; tomada_ar |
| 10 | air supply | 178, 184 | on 8.1 |
| 11 | cylinder | 318, 40 | double acting, single rod; name "A" |
| 12 | valve, 5 ways | 338, 118 | left pilot; right spring; name "a0"; tomada_ar |
| 13 | wire |  | 11.1 to 12.4: (322, 72) (322, 95) (368, 95) (368, 113) |
| 14 | wire |  | 11.2 to 12.2: (400, 72) (400, 95) (380, 95) (380, 113) |
| 15 | air supply | 368, 149 | on 12.1 |
| 19 | valve, 3 ways | 237, 218 | left "Botão"; right spring; name "a2"; tomada_ar |
| 21 | air supply | 261, 249 | on 19.1 |
| 22 | valve, 3 ways | 363, 218 | left "Botão"; right spring; name "a4"; tomada_ar |
| 24 | air supply | 387, 249 | on 22.1 |
| 25 | OR valve | 288, 159 |  |
| 26 | wire |  | 12.6 to 25.2: (318, 130) (313, 130) (313, 159) |
| 27 | wire |  | 25.1 to 19.2: (288, 176) (267, 176) (267, 213) |
| 28 | wire |  | 25.3 to 22.2: (338, 176) (393, 176) (393, 213) |
| 30 | air supply | 76, 183 | on 6.1 |
| 31 | cylinder | 129, 41 | single acting; name "A" |
| 32 | OR valve | 108, 92 |  |
| 33 | wire |  | 31.1 to 32.2: (133, 73) (133, 86) (133, 86) (133, 92) |
| 34 | wire |  | 32.3 to 8.2: (158, 109) (184, 109) (184, 148) |
| 35 | wire |  | 32.1 to 6.2: (108, 109) (82, 109) (82, 147) |
)"},
        {"AAcclonico1", "&A+ A- ciclo único", " - DEMO - A+A- Ciclo Único", R"(
| 1 | cylinder | 140, 55 | double acting, single rod; name "A"; labels 2 = "a1" at 100 |
| 2 | valve, 5 ways | 171, 154 | left pilot; right pilot; name "a0"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: (144, 87) (144, 123) (201, 123) (201, 149) |
| 4 | wire |  | 1.2 to 2.2: (222, 87) (222, 123) (213, 123) (213, 149) |
| 5 | air supply | 201, 185 | on 2.1 |
| 9 | valve, 3 ways | 95, 216 | left "Alavanca"; right spring; name "a2"; tomada_ar |
| 10 | air supply | 119, 247 | on 9.1 |
| 12 | valve, 3 ways | 261, 215 | left "Rolete"; right spring; label "a1"; tomada_ar |
| 13 | wire |  | 2.7 to 12.2: (239, 166) (291, 166) (291, 210) |
| 14 | air supply | 285, 246 | on 12.1 |
| 15 | wire |  | 9.2 to 2.6: (125, 211) (125, 166) (151, 166) |
)"},
        {"AAcclocontnuo1", "A+ A- c&iclo contínuo", " - DEMO - A+A- Ciclo Contínuo", R"(
| 1 | cylinder | 140, 55 | double acting, single rod; name "A"; labels 1 = "a2" at 0, 2 = "a1" at 100 |
| 2 | valve, 5 ways | 171, 154 | left pilot; right pilot; name "a0"; tomada_ar |
| 3 | wire |  | 1.1 to 2.4: (144, 87) (144, 123) (201, 123) (201, 149) |
| 4 | wire |  | 1.2 to 2.2: (222, 87) (222, 123) (213, 123) (213, 149) |
| 5 | air supply | 201, 185 | on 2.1 |
| 6 | valve, 3 ways | 115, 217 | left "Rolete"; right spring; label "a2"; initial 1, current 1, drawn 1 |
| 8 | wire |  | 6.2 to 2.6: (121, 212) (121, 166) (128, 166) (128, 166) (151, 166) |
| 9 | valve, 3 ways | 91, 298 | left "Alavanca com Trava"; right none; name "a4"; tomada_ar |
| 10 | air supply | 115, 329 | on 9.1 |
| 11 | wire |  | 6.1 to 9.2: (121, 247) (121, 275) (121, 275) (121, 293) |
| 12 | valve, 3 ways | 261, 215 | left "Rolete"; right spring; label "a1"; tomada_ar |
| 13 | wire |  | 2.7 to 12.2: (239, 166) (291, 166) (291, 210) |
| 14 | air supply | 285, 246 | on 12.1 |
)"},
    };
    return tabelas;
}

} // namespace zefira
