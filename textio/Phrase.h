#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The marks by which Qt's lupdate finds a text for the catalogues, in the words Qt defines them
// (the same definition again is no redefinition): the pure core marks its texts with them too.
#define QT_TRANSLATE_NOOP(scope, x) x
#define QT_TRANSLATE_N_NOOP(scope, x) x

// A text the program shows, kept as what makes it, so that the window can show it in the user's
// language: an English template from a context of the catalogues, the texts that fill its %1 to
// %9 in turn, and for a count the number that fills %n and chooses its form. A text of the data
// (a name, an IDNum, a file) is a phrase of its own, shown as it is.
//
// A count's English forms are written in its template: "(s)" is an s but for 1, "{one|many}" the
// one but for 1 ("%n row(s) {needs|need} a look").
class TPhrase {
public:
    TPhrase(std::string verbatim = {}) : verbatim_(std::move(verbatim)) {}
    TPhrase(const char* verbatim) : verbatim_(verbatim) {}
    TPhrase(const char* context, const char* source, std::vector<TPhrase> args = {},
            std::optional<long long> count = std::nullopt)
        : context_(context), source_(source), args_(std::move(args)), count_(count)
    {
    }

    // As the program shows it in English.
    std::string English() const;
    bool Verbatim() const { return source_ == nullptr; }
    const std::string& Text() const { return verbatim_; }  // a verbatim phrase's text
    const char* Context() const { return context_; }
    const char* Source() const { return source_; }
    const std::vector<TPhrase>& Args() const { return args_; }
    const std::optional<long long>& Count() const { return count_; }
    bool Empty() const { return Verbatim() && verbatim_.empty(); }

    // Phrases are the same where their English is.
    friend bool operator==(const TPhrase& a, const TPhrase& b)
    {
        return a.English() == b.English();
    }

private:
    std::string verbatim_;
    const char* context_ = nullptr;
    const char* source_ = nullptr;
    std::vector<TPhrase> args_;
    std::optional<long long> count_;
};

std::ostream& operator<<(std::ostream& out, const TPhrase& phrase);

// The phrases one after another, each pair joined as a literal template "%1<between>%2" joins
// them ("%1\r\n%2" for lines): each part is then shown in the language on its own.
TPhrase Joined(const std::vector<TPhrase>& parts, const char* pairTemplate);

// A template's English for the count: "(s)" and "{one|many}" resolved, %n the count.
std::string EnglishForm(std::string_view source, std::optional<long long> count);
// The template with %1 to %9 replaced by the texts in one pass: a text holding "%2" stays as it is.
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& args);
