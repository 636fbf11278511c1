// libFuzzer target for the GraphML importer (ImportarBytes): see Intercambio.h.
#define NODEVA_FORMATO_FUZZ Formato::GraphML
#include "Intercambio.h"
