#include "referencereader.h"

namespace kirvano::fuzz {

namespace {

bool endsUnquotedField(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

std::optional<ReferenceFields> referenceFields(std::string_view data)
{
    ReferenceFields fields;
    std::size_t pos = 0;
    for (std::string &field : fields) {
        while (pos < data.size() && data[pos] == ' ')
            ++pos;
        if (pos == data.size())
            return std::nullopt;

        if (data[pos] == '"') {
            ++pos;
            while (pos < data.size() && data[pos] != '"')
                field += data[pos++];
            if (pos < data.size())
                ++pos; // the closing quote
            while (pos < data.size() && !endsUnquotedField(data[pos]))
                ++pos;
        } else {
            while (pos < data.size() && !endsUnquotedField(data[pos]))
                field += data[pos++];
        }

        if (pos < data.size()) {
            const char delimiter = data[pos++];
            if (delimiter == '\r' && pos < data.size() && data[pos] == '\n')
                ++pos;
        }
    }
    return fields;
}

} // namespace kirvano::fuzz
