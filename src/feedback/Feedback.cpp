#include "feedback/Feedback.h"

namespace tesvar::feedback {

namespace {

const char kCrLf[] = "\r\n";

// The message as the edit control gives it, with every line ended by CR LF: a lone LF (pasted
// text) would run lines together in Notepad.
std::string withCrLf(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') {
            out += kCrLf;
            continue;
        }
        out += text[i];
    }
    const bool endsWithCrLf = out.size() >= 2 && out.compare(out.size() - 2, 2, kCrLf) == 0;
    if (!out.empty() && !endsWithCrLf) out += kCrLf;
    return out;
}

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte, so a cut never stalls).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    return 1;
}

}  // namespace

std::string feedbackText(const Feedback& feedback, const std::string& time) {
    std::string text = "Tesvar2.0 用户反馈表";
    text += kCrLf;
    text += "时间：" + time + kCrLf;
    text += "称呼：" + feedback.name + kCrLf;
    text += "联系方式：" + feedback.contact + kCrLf;
    text += "主题：" + feedback.subject + kCrLf;
    text += "----------------------------------------";
    text += kCrLf;
    text += withCrLf(feedback.message);
    return text;
}

std::string defaultFileName(const std::string& stamp) { return "用户反馈_" + stamp + ".txt"; }

std::string percentEncode(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (unsigned char c : bytes) {
        if (unreserved(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string mailtoUrl(const std::string& address, const std::string& subjectUtf8, const std::string& bodyUtf8,
                      std::size_t maxLength, const std::string& cutNoteUtf8) {
    const std::string head = "mailto:" + address + "?subject=" + percentEncode(subjectUtf8) + "&body=";
    const std::string body = percentEncode(bodyUtf8);
    if (head.size() + body.size() <= maxLength) return head + body;
    const std::string note = percentEncode(cutNoteUtf8);
    if (head.size() + note.size() > maxLength) return head;
    const std::size_t budget = maxLength - head.size() - note.size();
    std::string kept;
    for (std::size_t i = 0; i < bodyUtf8.size();) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(bodyUtf8[i]));
        if (i + n > bodyUtf8.size()) n = bodyUtf8.size() - i;
        const std::string encoded = percentEncode(bodyUtf8.substr(i, n));
        if (kept.size() + encoded.size() > budget) break;
        kept += encoded;
        i += n;
    }
    return head + kept + note;
}

}  // namespace tesvar::feedback
