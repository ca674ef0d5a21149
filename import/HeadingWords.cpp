#include "import/HeadingWords.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The heading's letters and digits alone, lower-cased: ASCII, and the Latin-1 capitals that
// UTF-8 writes as C3 80 to C3 9E ("É" is C3 89, "é" C3 A9).
std::string Folded(std::string_view heading)
{
    std::string out;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const auto c = static_cast<unsigned char>(heading[i]);
        if (c == 0xC3 && i + 1 < heading.size()) {
            auto next = static_cast<unsigned char>(heading[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                next = static_cast<unsigned char>(next + 0x20);
            }
            out += char(c);
            out += char(next);
            ++i;
        } else if (IsAsciiLetter(char(c))) {
            out += char(c | 0x20);
        } else if ((c >= '0' && c <= '9') || c >= 0x80) {
            out += char(c);
        }
    }
    return out;
}

struct RoleWords {
    HeadingRole role;
    // Whole headings, and endings that name the role after other words ("Legal Last Name").
    std::initializer_list<std::string_view> whole;
    std::initializer_list<std::string_view> endings;
};

const std::array<RoleWords, 3>& Roles()
{
    static const std::array<RoleWords, 3> roles = {{
        {HeadingRole::IdNum,
         {"id",
          "idnum",
          "idno",
          "idnr",
          "no",
          "nr",
          "num",
          "number",
          "studentid",
          "studentno",
          "studentnum",
          "studentnumber",
          "pupilid",
          "pupilno",
          "pupilnumber",
          "upn",
          "learnerid",
          "sch\xC3\xBClernummer",
          "sch\xC3\xBClernr",
          "sch\xC3\xBClerid",
          "schuelernummer",
          "nummer",
          "matrikelnummer",
          "identifiant",
          "ine",
          "num\xC3\xA9ro",
          "numero",
          "num\xC3\xA9ro\xC3\xA9l\xC3\xA8ve",
          "numeroeleve",
          "idalumno",
          "idestudiante",
          "n\xC3\xBAmero",
          "n\xC3\xBAmerodealumno",
          "numerodealumno",
          "n\xC3\xBAmerodeestudiante",
          "numerodeestudiante",
          "matr\xC3\xAD"
          "cula",
          "matricula"},
         {"studentid", "studentnumber", "pupilnumber", "idnumber", "idnum"}},
        {HeadingRole::FirstName,
         {"first", "firstname", "firstnames", "fname", "given", "givenname", "givennames",
          "forename", "forenames", "vorname", "vornamen", "pr\xC3\xA9nom", "prenom",
          "pr\xC3\xA9noms", "prenoms", "nombre", "nombres"},
         {"firstname", "givenname", "forename"}},
        {HeadingRole::LastName,
         {"last", "lastname", "lname", "surname", "family", "familyname", "nachname",
          "familienname", "nom", "nomdefamille", "apellido", "apellidos"},
         {"lastname", "surname", "familyname", "nachname"}},
    }};
    return roles;
}

}  // namespace

HeadingRole RoleOfHeading(std::string_view heading)
{
    const std::string folded = Folded(heading);
    if (folded.empty()) {
        return HeadingRole::None;
    }
    for (const RoleWords& words : Roles()) {
        if (std::find(words.whole.begin(), words.whole.end(), folded) != words.whole.end()) {
            return words.role;
        }
    }
    for (const RoleWords& words : Roles()) {
        for (const std::string_view ending : words.endings) {
            if (folded.size() > ending.size() && folded.ends_with(ending)) {
                return words.role;
            }
        }
    }
    return HeadingRole::None;
}

bool HasHeadingWord(std::string_view field)
{
    static constexpr std::array<std::string_view, 17> kWords = {
        "id",      "idnum",   "idno",  "number",    "num",     "no",
        "name",    "names",   "first", "firstname", "last",    "lastname",
        "surname", "student", "given", "family",    "forename"};
    std::string word;
    for (std::size_t i = 0; i <= field.size(); ++i) {
        const char c = i < field.size() ? field[i] : ' ';
        if (IsAsciiLetter(c)) {
            word += char(c | 0x20);
        } else if (!word.empty()) {
            if (std::find(kWords.begin(), kWords.end(), word) != kWords.end()) {
                return true;
            }
            word.clear();
        }
    }
    return RoleOfHeading(field) != HeadingRole::None;
}
