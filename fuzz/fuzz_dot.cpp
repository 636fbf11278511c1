// libFuzzer target for the DOT importer (ImportarBytes): see Intercambio.h.
#define NODEVA_FORMATO_FUZZ Formato::DOT
#include "Intercambio.h"
