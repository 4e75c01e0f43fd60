#pragma once

#include <string>
#include <string_view>

namespace ui {
class ComboBox;
}

// The company register: the companies set up on the workstation, kept by the
// accounting application as value names (reversed) of one registry key.
namespace companies {

// The register key under HKEY_CLASSES_ROOT.
inline constexpr const char* kRegisterKey = "VelantrixFirme\\CLSID";

// The text with its characters in reverse order.
std::string inverseaza(std::string_view text);

// Trimmed of leading and trailing blanks and control characters.
std::string trim(std::string_view text);

// The company digits of an entry: upper-cased and trimmed, leading
// characters removed up to the first decimal digit or underscore; a blank
// entry gives "0".
std::string cifreFirma(std::string_view entry);

// "db" followed by the company digits, and its data source name.
std::string numeBaza(std::string_view entry);
std::string numeSursaDate(std::string_view entry);

// Fills a company list from the register and selects its first entry.
// Reports a register failure with its own message box.
void incarcaListaFirme(ui::ComboBox& list);

// The register's two failure messages: the key could not be opened (E1),
// or reading it failed once open (E2).
void arataEroareE1();
void arataEroareE2();

// The entry of the register's first value, or "0" (after a message box)
// when the register cannot be read or is empty.
std::string primaFirma();

}  // namespace companies
