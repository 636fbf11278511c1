// libFuzzer target for the GML importer (ImportarBytes): see Intercambio.h.
#define NODEVA_FORMATO_FUZZ Formato::GML
#include "Intercambio.h"
