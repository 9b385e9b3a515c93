// Definitions of the post-processing module's global state.
#include "seni_state.h"

int16_t SNp_from[SNmamng];
int16_t SNn_from[SNmamng];
int32_t SNmax_kaisuu[SNmamng];
int SNnomng = 0;

std::vector<int16_t> SNmjfrom;
std::vector<int32_t> SNkaisuu;
std::vector<int32_t> SNp_prbl;
std::vector<int16_t> SNn_prbl;
int SNnobmoji = 0;

std::vector<int16_t> SNmjto;
std::vector<int16_t> SNmjprbl;
int SNnoprbl = 0;

int SNdatatype = 0;
int SNmojiretusuu = 0;
SeniCharRecord* SNmojiretu_koho = nullptr;
int SNthres_dist = 0;
int32_t SNdef_prbl = 0;
uint16_t SNpunc[SNmapunc];
int SNnopunc = 0;

double SNpath_prbl[SNmapath];
double SNpath_syutu[SNmapath];
int16_t SNpath_dist[SNmapath];
int16_t SNpath_pcode[kSeniPathChars][SNmapath];
int SNnopath = 0;
