#pragma once

#include <vector>

#include "script/script_row.h"

namespace script {

// One source file per schema area and per data area; each returns its rows
// in ascending row order. The builder merges them into one list.
Section structuraRows();      // bootstrap and conventions rows
Section documenteRows();      // documents, invoices and payments
Section parteneriRows();      // partners, currencies, taxes, settings, rights
Section produseRows();        // products, stock, goods receipt, prices
Section casaRows();           // cash desk, cash registers, fiscal printers, scales
Section serviceRows();        // workshop service, print-shop orders, EDI
Section efacturaRows();       // tax authority access and e-invoicing
Section setariRows();         // application settings catalogue
Section istoricRows();        // version-history rows
Section referinteRows();      // document, tax and payment reference data
Section corectiiRows();       // corrections of business data
Section nomenclatoareRows();  // code lists for devices, partners, tax authority
Section unitatiRows();        // unit-of-measure code list
Section tariRows();           // country code list
Section etransportRows();     // e-transport and marketplace

// Every section, in no particular order.
std::vector<Section> allSections();

}  // namespace script
