// libFuzzer target for the Pajek importer (ImportarBytes): see Intercambio.h.
#define NODEVA_FORMATO_FUZZ Formato::Pajek
#include "Intercambio.h"
