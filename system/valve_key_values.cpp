#include "system/valve_key_values.h"

#include <optional>

#include "system/ascii_case.h"
#include "system/text_file.h"

namespace tarnwick {

const KeyValue* KeyValue::Find(std::string_view key) const
{
    for (const KeyValue& child : Children)
        if (EqualIgnoringCase(child.Key, key))
            return &child;
    return nullptr;
}

namespace {

enum class TokenKind { Text, Open, Close, Condition, End };

struct Token {
    TokenKind Kind = TokenKind::End;
    std::string Text;
};

// Splits the text into tokens one at a time, counting lines for messages.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    [[nodiscard]] std::size_t Line() const { return line_; }

    // The next token, or a message when the text breaks off inside one.
    std::optional<Token> Next(std::string& error)
    {
        SkipBlanksAndComments();
        if (at_ == text_.size())
            return Token{};
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return Token{c == '{' ? TokenKind::Open : TokenKind::Close, {}};
        }
        if (c == '[')
            return Condition(error);
        if (c == '"')
            return Quoted(error);
        return Bare();
    }

private:
    void SkipBlanksAndComments()
    {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                ++line_;
                ++at_;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++at_;
            } else if (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/') {
                while (at_ < text_.size() && text_[at_] != '\n')
                    ++at_;
            } else {
                return;
            }
        }
    }

    std::optional<Token> Quoted(std::string& error)
    {
        const std::size_t startLine = line_;
        Token token{TokenKind::Text, {}};
        for (++at_; at_ < text_.size(); ++at_) {
            char c = text_[at_];
            if (c == '"') {
                ++at_;
                return token;
            }
            if (c == '\n')
                ++line_;
            if (c == '\\' && at_ + 1 < text_.size()) {
                const char escaped = text_[++at_];
                if (escaped == '\n')
                    ++line_;
                c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
            }
            token.Text += c;
        }
        error = "line " + std::to_string(startLine) + ": a quoted text does not end";
        return std::nullopt;
    }

    std::optional<Token> Condition(std::string& error)
    {
        const std::size_t end = text_.find(']', at_);
        if (end == std::string_view::npos ||
            text_.substr(at_, end - at_).find('\n') != std::string_view::npos) {
            error = "line " + std::to_string(line_) + ": a condition does not end";
            return std::nullopt;
        }
        at_ = end + 1;
        return Token{TokenKind::Condition, {}};
    }

    Token Bare()
    {
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"' || c == '{' || c == '}' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
                break;
            ++at_;
        }
        return Token{TokenKind::Text, std::string(text_.substr(start, at_ - start))};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

KeyValueRead ReadKeyValues(std::string_view text)
{
    KeyValueRead read;
    Tokenizer tokens(text);
    // The open blocks, innermost last; the top level is a block of no key. A
    // pointer stays valid: only the innermost block's list grows.
    KeyValue top;
    std::vector<KeyValue*> open{&top};
    std::vector<std::size_t> openedOnLine{0};
    std::size_t entries = 0;
    const auto refuse = [&](std::string message) {
        read.Entries.clear();
        read.Error = std::move(message);
        return read;
    };
    const auto at = [&](std::size_t line) { return "line " + std::to_string(line) + ": "; };
    std::string error;
    for (;;) {
        auto token = tokens.Next(error);
        if (!token)
            return refuse(error);
        if (token->Kind == TokenKind::Condition)
            continue;  // a condition after a value or a block's key: every platform's entries are kept
        if (token->Kind == TokenKind::End) {
            if (open.size() > 1)
                return refuse(at(openedOnLine.back()) + "a block opened here is not closed");
            read.Entries = std::move(top.Children);
            return read;
        }
        if (token->Kind == TokenKind::Close) {
            if (open.size() == 1)
                return refuse(at(tokens.Line()) + "a closing brace without its block");
            open.pop_back();
            openedOnLine.pop_back();
            continue;
        }
        if (token->Kind == TokenKind::Open)
            return refuse(at(tokens.Line()) + "a block without a key");
        if (++entries > kKeyValueMaxEntries)
            return refuse(at(tokens.Line()) + "more than " + std::to_string(kKeyValueMaxEntries) +
                          " entries");
        const std::size_t keyLine = tokens.Line();
        KeyValue entry;
        entry.Key = std::move(token->Text);
        do {
            token = tokens.Next(error);
            if (!token)
                return refuse(error);
        } while (token->Kind == TokenKind::Condition);
        if (token->Kind == TokenKind::Text) {
            entry.Value = std::move(token->Text);
            open.back()->Children.push_back(std::move(entry));
        } else if (token->Kind == TokenKind::Open) {
            if (open.size() > kKeyValueMaxDepth)
                return refuse(at(keyLine) + "blocks nested deeper than " + std::to_string(kKeyValueMaxDepth));
            entry.IsBlock = true;
            open.back()->Children.push_back(std::move(entry));
            open.push_back(&open.back()->Children.back());
            openedOnLine.push_back(keyLine);
        } else {
            return refuse(at(keyLine) + "the key \"" + entry.Key + "\" has no value");
        }
    }
}

KeyValueRead LoadKeyValues(const std::filesystem::path& path)
{
    TextFileRead file = ReadTextFile(path, kKeyValueMaxFileSize);
    if (!file.Error.empty()) {
        KeyValueRead read;
        read.Error = file.Error;
        return read;
    }
    return ReadKeyValues(file.Text);
}

}  // namespace tarnwick
