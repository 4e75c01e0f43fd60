#include "companies/company_register.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/registry/registry.h"
#include "platform/ui/application.h"
#include "platform/ui/components.h"

namespace companies {

namespace {

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

void arataEroareE1() {
    ui::application().MessageBox("A aparut o eroare la citirea bazei de date! ", "Eroare 1", ui::MB_ICONERROR);
}

void arataEroareE2() {
    ui::application().MessageBox("A aparut o eroare la citirea bazei de date.", "Eroare 2", ui::MB_ICONERROR);
}

std::string inverseaza(std::string_view text) {
    // Character by character: a character written in several bytes (the
    // store is UTF-8) keeps its bytes in order.
    std::string result;
    result.reserve(text.size());
    std::size_t end = text.size();
    while (end > 0) {
        std::size_t start = end - 1;
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80 && end - start < 4) --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) start = end - 1;  // not UTF-8: byte by byte
        result.append(text.substr(start, end - start));
        end = start;
    }
    return result;
}

std::string trim(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlankOrControl(text[first])) ++first;
    while (last > first && isBlankOrControl(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string cifreFirma(std::string_view entry) {
    if (trim(entry).empty()) return "0";
    std::string upper(entry);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::string text = trim(upper);
    std::size_t first = text.find_first_of("0123456789_");
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string numeBaza(std::string_view entry) { return "db" + cifreFirma(entry); }

std::string numeSursaDate(std::string_view entry) { return numeBaza(entry) + "PGSQLDSN"; }

void incarcaListaFirme(ui::ComboBox& list) {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    if (!registry.OpenKey(kRegisterKey, true)) {
        arataEroareE1();
        return;
    }
    try {
        list.Clear();
        std::vector<std::string> entries;
        for (const std::string& name : registry.GetValueNames()) {
            std::string entry = inverseaza(name);
            if (!trim(entry).empty()) entries.push_back(entry);
        }
        list.SetItems(entries);
        registry.CloseKey();
    } catch (const std::exception&) {
        arataEroareE2();
    }
    list.SetItemIndex(0);
}

std::string primaFirma() {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    if (!registry.OpenKey(kRegisterKey, true)) {
        arataEroareE1();
        return "0";
    }
    try {
        std::vector<std::string> names = registry.GetValueNames();
        if (names.empty()) throw reg::RegistryError("the company register is empty");
        std::string entry = inverseaza(names.front());
        registry.CloseKey();
        return entry;
    } catch (const std::exception&) {
        arataEroareE2();
        return "0";
    }
}

}  // namespace companies
