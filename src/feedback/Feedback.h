#pragma once
// What the feedback-form tool writes: the saved text file and the mail it offers to open.

#include <cstddef>
#include <string>

namespace tesvar::feedback {

// The fields of the form, as the user typed them (ANSI text; the message may hold CR LF).
struct Feedback {
    std::string name;
    std::string contact;
    std::string subject;
    std::string message;
};

// The text file: a heading, the time, the fields, then the message; CR LF line ends, and
// every line, the last included, ends with one.
std::string feedbackText(const Feedback& feedback, const std::string& time);

// The file name offered in the save dialog, from a time stamp such as "20240131_235959".
std::string defaultFileName(const std::string& stamp);

// Every byte but the URL's unreserved characters (letters, digits, "-._~") as %XX.
std::string percentEncode(const std::string& bytes);

// A "mailto:" URL to address with the subject and body (UTF-8 text, as mail programs take it).
// Programs that open URLs take about two thousand characters; when the whole body does not fit
// in maxLength, it is cut at a character boundary and cutNote (UTF-8) is added in its place.
std::string mailtoUrl(const std::string& address, const std::string& subjectUtf8, const std::string& bodyUtf8,
                      std::size_t maxLength, const std::string& cutNoteUtf8);

}  // namespace tesvar::feedback
