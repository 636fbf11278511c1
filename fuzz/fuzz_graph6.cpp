// libFuzzer target for the Graph6 importer (ImportarBytes): see Intercambio.h.
#define NODEVA_FORMATO_FUZZ Formato::Graph6
#include "Intercambio.h"
