#pragma once
// The compiled-in variable catalogue: descriptor tables and their option lists.
// Link with vka_catalogue.

#include "CatalogueOptionLists.h"
#include "VarTables.h"
