#include "feedback/Feedback.h"

#include <gtest/gtest.h>

namespace tesvar::testing {
namespace {

using feedback::Feedback;

TEST(FeedbackTest, Text_FieldsThenMessageWithCrLfLines) {
    struct Case {
        const char* name;
        std::string message;
        std::string body;  // what follows the separator line
    };
    const Case cases[] = {
        {"CR LF kept", "第一行\r\n第二行", "第一行\r\n第二行\r\n"},
        {"lone LF made CR LF", "a\nb\n", "a\r\nb\r\n"},
        {"final line end not doubled", "a\r\n", "a\r\n"},
        {"one character", "x", "x\r\n"},
        {"empty message", "", ""},
    };
    for (const Case& c : cases) {
        const Feedback fb{"小王", "someone@example.org", "列表排序", c.message};
        const std::string text = feedback::feedbackText(fb, "2024-01-31 23:59:59");
        EXPECT_EQ(text,
                  "Tesvar2.0 用户反馈表\r\n"
                  "时间：2024-01-31 23:59:59\r\n"
                  "称呼：小王\r\n"
                  "联系方式：someone@example.org\r\n"
                  "主题：列表排序\r\n"
                  "----------------------------------------\r\n" +
                      c.body)
            << c.name;
    }
    EXPECT_EQ(feedback::defaultFileName("20240131_235959"), "用户反馈_20240131_235959.txt");
}

TEST(FeedbackTest, Mailto_EncodesSubjectAndBodyAsUtf8) {
    EXPECT_EQ(feedback::percentEncode("aZ09-._~ &?=%/\r\n"), "aZ09-._~%20%26%3F%3D%25%2F%0D%0A");
    const std::string url = feedback::mailtoUrl("tesvar@example.com", u8"反馈 1", u8"好\r\n", 2000, u8"（略）");
    EXPECT_EQ(url, "mailto:tesvar@example.com?subject=%E5%8F%8D%E9%A6%88%201&body=%E5%A5%BD%0D%0A");
}

TEST(FeedbackTest, Mailto_LongBodyIsCutAtACharacterBoundaryWithANote) {
    const std::string head = "mailto:a@example.com?subject=s&body=";
    const std::string note = "%5B...%5D";  // "[...]"
    std::string body;
    for (int i = 0; i < 100; ++i) body += u8"字";  // 9 encoded bytes each
    for (size_t limit = head.size() + note.size(); limit < head.size() + note.size() + 40; ++limit) {
        const std::string url = feedback::mailtoUrl("a@example.com", "s", body, limit, "[...]");
        ASSERT_LE(url.size(), limit);
        ASSERT_EQ(url.compare(0, head.size(), head), 0);
        const std::string kept = url.substr(head.size(), url.size() - head.size() - note.size());
        EXPECT_EQ(url.substr(url.size() - note.size()), note) << limit;
        EXPECT_EQ(kept.size() % 9, 0u) << "only whole characters: " << kept;
        EXPECT_EQ(kept.size(), (limit - head.size() - note.size()) / 9 * 9) << "as many as fit";
    }
    // No room even for the note: the mail opens without a body.
    EXPECT_EQ(feedback::mailtoUrl("a@example.com", "s", body, head.size() + 3, "[...]"), head);
    // A body that fits is never cut.
    EXPECT_EQ(feedback::mailtoUrl("a@example.com", "s", u8"字", head.size() + 9, "[...]"), head + "%E5%AD%97");
}

}  // namespace
}  // namespace tesvar::testing
