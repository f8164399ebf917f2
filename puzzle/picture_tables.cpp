#include "puzzle/picture_tables.h"

const int32_t pictureCutLayout[PICTURE_TOTAL] = {0, 1, 2, 0, 1, 1, 0, 2, 2, 0};

const char* const pieceArchives20[PICTURE_TOTAL] = {
    "puzzle.pak",  "puzzle1.pak", "puzzle2.pak", "puzzle3.pak", "puzzle4.pak",
    "puzzle5.pak", "puzzle6.pak", "puzzle7.pak", "puzzle8.pak", "puzzle9.pak"};
const char* const pieceArchives48[PICTURE_TOTAL] = {
    "puzzle_v2.pak",  "puzzle_v21.pak", "puzzle_v22.pak", "puzzle_v23.pak", "puzzle_v24.pak",
    "puzzle_v25.pak", "puzzle_v26.pak", "puzzle_v27.pak", "puzzle_v28.pak", "puzzle_v29.pak"};
const char* const pictureArchivesAll[PICTURE_TOTAL] = {
    "common.pak",  "common1.pak", "common2.pak", "common3.pak", "common4.pak",
    "common5.pak", "common6.pak", "common7.pak", "common8.pak", "common9.pak"};

const char* const layoutPlaceArchives20[CUT_LAYOUT_COUNT] = {"plases.pak", "plases1.pak",
                                                              "plases2.pak"};
const char* const layoutPlaceArchives48[CUT_LAYOUT_COUNT] = {"plases_v2.pak", "plases_v21.pak",
                                                              "plases_v22.pak"};
const char* const layoutShadowArchives20[CUT_LAYOUT_COUNT] = {"puzzle_sh.pak", "puzzle_sh1.pak",
                                                               "puzzle_sh2.pak"};
const char* const layoutShadowArchives48[CUT_LAYOUT_COUNT] = {
    "puzzle_v2_sh.pak", "puzzle_v2_sh1.pak", "puzzle_v2_sh2.pak"};

// The place and shadow columns follow each picture's cut layout.
const char* const placeArchives20[PICTURE_TOTAL] = {
    "plases.pak",  "plases1.pak", "plases2.pak", "plases.pak",  "plases1.pak",
    "plases1.pak", "plases.pak",  "plases2.pak", "plases2.pak", "plases.pak"};
const char* const placeArchives48[PICTURE_TOTAL] = {
    "plases_v2.pak",  "plases_v21.pak", "plases_v22.pak", "plases_v2.pak",  "plases_v21.pak",
    "plases_v21.pak", "plases_v2.pak",  "plases_v22.pak", "plases_v22.pak", "plases_v2.pak"};
const char* const shadowArchives20[PICTURE_TOTAL] = {
    "puzzle_sh.pak",  "puzzle_sh1.pak", "puzzle_sh2.pak", "puzzle_sh.pak",  "puzzle_sh1.pak",
    "puzzle_sh1.pak", "puzzle_sh.pak",  "puzzle_sh2.pak", "puzzle_sh2.pak", "puzzle_sh.pak"};
const char* const shadowArchives48[PICTURE_TOTAL] = {
    "puzzle_v2_sh.pak",  "puzzle_v2_sh1.pak", "puzzle_v2_sh2.pak", "puzzle_v2_sh.pak",
    "puzzle_v2_sh1.pak", "puzzle_v2_sh1.pak", "puzzle_v2_sh.pak",  "puzzle_v2_sh2.pak",
    "puzzle_v2_sh2.pak", "puzzle_v2_sh.pak"};

const TargetSpot pieceTargets20[CUT_LAYOUT_COUNT][20] = {
    {
        {-7.923, 4.499}, {-3.927, 4.523}, {0.081, 4.539}, {3.996, 4.578}, {7.858, 4.562},
        {-7.538, 1.876}, {-3.526, 1.579}, {0.046, 1.547}, {3.661, 1.555}, {7.567, 2.057},
        {-7.859, -1.594}, {-4.259, -2.074}, {0.07, -1.95}, {4.067, -1.964}, {7.67, -1.484},
        {-7.923, -4.585}, {-3.903, -4.601}, {0.117, -4.593}, {3.846, -4.538}, {7.717, -4.526},
    },
    {
        {-7.475, 4.564}, {-3.391, 4.611}, {0.142, 4.611}, {3.58, 4.084}, {7.514, 4.036},
        {-7.42, 2.061}, {-3.848, 2.148}, {-0.262, 1.582}, {3.627, 0.944}, {7.459, 1},
        {-7.9, -1.597}, {-4.357, -1.668}, {-0.15, -2.212}, {4.115, -2.116}, {8.097, -2.156},
        {-7.491, -4.658}, {-3.415, -4.682}, {0.716, -4.682}, {4.265, -4.611}, {7.625, -4.608},
    },
    {
        {-7.311, 4.632}, {-3.334, 4.546}, {0.754, 4.556}, {4.868, 3.9}, {8.126, 4.682},
        {-7.375, 1.556}, {-3.305, 1.495}, {0.22, 1.62}, {3.679, 0.875}, {7.535, 1.7},
        {-7.373, -1.599}, {-3.846, -2.328}, {0.204, -2.219}, {4.465, -2.191}, {7.994, -1.833},
        {-7.499, -3.99}, {-3.454, -4.658}, {0.589, -4.666}, {4.742, -4.469}, {8.025, -4.367},
    },
};

const TargetSpot pieceTargets48[CUT_LAYOUT_COUNT][48] = {
    {
        {3.9189, 1.0709}, {8.5738, -4.9509}, {6.3776, -4.8802}, {6.0864, -3.0274},
        {3.7328, -2.941}, {3.8351, -4.8174}, {-8.5785, 5.0592}, {-6.2406, 5.0356},
        {-3.6666, 5.0199}, {-1.1712, 4.9022}, {1.324, 4.8865}, {3.8036, 4.7608}, {6.1966, 4.9964},
        {8.5423, 4.9964}, {8.6447, 3.273}, {6.3934, 3.1749}, {3.8272, 2.9158}, {1.4421, 3.12},
        {-1.0768, 3.1985}, {-3.6351, 3.2142}, {-6.0202, 3.1749}, {-8.484, 3.1671},
        {-8.484, 0.8903}, {-6.1923, 1.0081}, {-3.6956, 1.0081}, {-1.2174, 1.1258},
        {1.2852, 1.2279}, {8.4557, -2.9652}, {6.3225, 1.1126}, {8.4872, 1.0787}, {8.4951, -1.0646},
        {6.0356, -1.0018}, {3.7328, -0.8055}, {1.1272, -1.0725}, {-1.4642, -1.0568},
        {-3.887, -1.3315}, {-6.3665, -1.0803}, {-8.6729, -1.2609}, {-8.4997, -3.255},
        {-8.6808, -5.0294}, {-6.217, -4.9823}, {-6.2406, -3.1826}, {-3.7374, -3.2236},
        {-3.7138, -4.9273}, {-1.4074, -5.0686}, {-1.3759, -3.1765}, {1.1587, -3.0666},
        {1.0485, -4.8566},
    },
    {
        {-8.3623, 5.0798}, {-6.2105, 4.7544}, {-3.9286, 5.1152}, {-1.2315, 4.8643},
        {1.2672, 4.7544}, {3.6296, 5.2491}, {6.1819, 4.88}, {8.6321, 4.7387}, {8.3258, 2.7835},
        {5.7657, 3.1351}, {3.6138, 3.4667}, {1.4999, 3.1049}, {-1.2787, 3.0583}, {-3.7079, 3.2546},
        {-6.1948, 2.7206}, {-8.5715, 3.3651}, {-8.3151, 1.0089}, {-5.7707, 1.0098},
        {-3.4618, 1.1023}, {-1.3258, 0.9539}, {0.883, 1.2288}, {3.5746, 1.2837}, {6.0004, 1.001},
        {8.2709, 0.9932}, {8.5989, -0.7389}, {6.1898, -1.5334}, {3.6984, -0.8364},
        {1.4778, -1.3075}, {-1.2293, -2.9725}, {-1.0926, -1.0958}, {-3.6503, -0.8282},
        {-3.7053, -2.8701}, {-6.2532, -2.9879}, {-6.4225, -0.6558}, {-8.7393, -1.3468},
        {-8.4486, -3.1193}, {-8.6999, -4.841}, {-6.1319, -5.1237}, {-3.4383, -4.8803},
        {-0.9174, -4.8332}, {1.6899, -4.8253}, {1.0616, -3.26}, {3.5511, -3.1921},
        {3.6898, -5.0759}, {6.0798, -4.8096}, {6.017, -3.1193}, {8.4201, -3.1214},
        {8.6321, -5.1442},
    },
    {
        {-8.3382, 4.6717}, {-5.9757, 5.0806}, {-3.5558, 5.1279}, {-0.7608, 5.0333}, {1.66, 5.0334},
        {3.5996, 4.8294}, {6.2319, 4.7732}, {8.834, 4.9652}, {8.7081, 3.3162}, {6.1076, 3.1429},
        {3.4461, 2.905}, {1.3014, 3.0649}, {-1.2115, 3.1205}, {-3.7366, 3.645}, {-3.5329, 1.0529},
        {-6.1615, 0.709}, {-6.3283, 2.8266}, {-8.6218, 2.616}, {-6.5368, -1.0158},
        {-5.9932, -2.7807}, {-8.6452, -3.0464}, {-8.2521, -4.7021}, {-5.9658, -4.7135},
        {-3.7444, -5.1673}, {-3.506, -3.0752}, {-3.7552, -1.0161}, {-1.1485, -0.7724},
        {-1.3429, 1.1423}, {1.3205, 0.8128}, {1.4245, -1.4921}, {-1.1668, -3.2168},
        {-1.31, -5.1703}, {1.1919, -5.0929}, {1.3058, -3.4102}, {3.9632, -2.8646},
        {3.8211, -4.7264}, {3.6815, -0.7263}, {3.797, 1.0367}, {6.2537, 1.076}, {6.2028, -1.158},
        {6.7296, -3.023}, {6.3653, -4.844}, {8.7475, -4.7864}, {8.8104, -2.7491}, {8.4074, -0.473},
        {8.6295, 1.5274}, {-8.7947, 0.7348}, {-8.6767, -1.3013},
    },
};

TargetSpot pieceTargetFor(int pieceCount, int layout, int piece) {
    if (layout < 0 || layout >= CUT_LAYOUT_COUNT || piece < 0) return {0, 0};
    if (pieceCount == BIG_PIECE_COUNT)
        return piece < BIG_PIECE_COUNT ? pieceTargets48[layout][piece] : TargetSpot{0, 0};
    return piece < SMALL_PIECE_COUNT ? pieceTargets20[layout][piece] : TargetSpot{0, 0};
}
