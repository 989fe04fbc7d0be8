// The string seam: texts, splitting, exceptions, and the null text taken as no text.

#include "test_helpers.h"

#include <qelunits/QelCommon.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using qelunits_test::str;

std::vector<std::wstring> split(const wchar_t* input, const wchar_t* delimiter) {
    QelStringCollection* pieces = QelStringCollection::Create(QelStringP(input), delimiter, false);
    std::vector<std::wstring> out;
    for (unsigned int i = 0; i < pieces->GetCount(); ++i) {
        QelStringElement* element = pieces->GetElement(i);
        out.emplace_back(element->GetString().c_str());
        element->Dispose();
    }
    EXPECT_EQ(pieces->GetElement(pieces->GetCount()), nullptr);
    pieces->Dispose();
    return out;
}

TEST(QelStringP, ValuesCopiesAndFormat) {
    EXPECT_STREQ(static_cast<const wchar_t*>(QelStringP()), L"");
    EXPECT_FALSE(QelStringP(nullptr, false) == L"");
    EXPECT_EQ(QelStringP(L"abc").GetLength(), 3U);
    QelStringP a(L"meter");
    QelStringP b(a);
    b += QelStringP(L"s");
    EXPECT_EQ(str(a) + L" " + str(b), L"meter meters");
    a = b;
    b = L"x";
    EXPECT_EQ(str(a) + L" " + str(b), L"meters x");
    b = std::move(a);
    a += QelStringP(L"y"); // NOLINT(bugprone-use-after-move): a moved-from text is empty
    EXPECT_EQ(str(a) + L" " + str(b), L"y meters");
    QelStringP fromNull(nullptr, false);
    fromNull += QelStringP(L"y");
    EXPECT_EQ(str(fromNull), L"y");
    EXPECT_EQ(str(QelStringP::Format(L"%d %ls", 42, L"ft")), L"42 ft");
    // Both the format and what it writes outgrow the first buffer.
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(str(QelStringP::Format((longText + L"%ls").c_str(), longText.c_str())), longText + longText);
}

TEST(QelStringP, LeftRightMidIsNumberAndTheNullText) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"abc %1", L"%", L"abc ", L"1"},        {L"50% of %12", L"%", L"50% of ", L"12"},
        {L"no marker", L"%", L"no marker", L""}, {L"%", L"%", L"", L""},
        {L"a!s!b!s!c", L"!s!", L"a!s!b", L"c"},  {L"", L"%", L"", L""},
    };
    for (const auto& [input, delimiter, left, right] : cases) {
        const QelStringP s(input);
        EXPECT_EQ(str(s.Left(delimiter)) + L"|" + str(s.Right(delimiter)), std::wstring(left) + L"|" + right);
    }
    const QelStringP s(L"abcdef"); // half open and clamped
    EXPECT_EQ(str(s.Mid(0, 1, false)) + L"|" + str(s.Mid(2, 4, false)) + L"|" + str(s.Mid(5, 9, false)) + L"|" +
                  str(s.Mid(7, 8, false)) + L"|" + str(s.Mid(3, 2, false)),
              L"a|cd|f||");
    std::wstring numbers;
    for (const wchar_t* text : {L"7", L"0123", L"", L"x", L"1.5", L"-1", L"\u0661"}) { // an Arabic-Indic digit
        numbers += QelStringP(text).IsNumber() ? L'y' : L'n';
    }
    EXPECT_EQ(numbers, L"yynnnnn");
    // The null text is no text.
    const QelStringP null(nullptr, false);
    EXPECT_TRUE(QelStringP(nullptr, std::size_t{5}).IsNull());
    EXPECT_TRUE(null.Left(L"x").IsNull());
    EXPECT_EQ(str(QelStringP(L"a%b").Left(nullptr)), L"a%b");
    // Empty texts, not null ones.
    for (const QelStringP& empty : {null.Right(L"x"), QelStringP(L"a%b").Right(nullptr), null.Mid(0, 3),
                                    QelStringP::Format(nullptr), QelException::NLSGetMessage(9014, nullptr)}) {
        EXPECT_EQ(str(empty), L"");
    }
    EXPECT_TRUE(null == nullptr);
    EXPECT_FALSE(QelStringP(L"") == nullptr);
    QelStringP assigned(L"x");
    assigned = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(assigned.IsNull());
    QelException* e = QelException::Create(null);
    EXPECT_STREQ(e->GetMessage(), L"");
    e->Dispose();
}

TEST(QelStringCollection, SplitsAtWholeDelimitersKeepingEmptyPieces) {
    using Pieces = std::vector<std::wstring>;
    EXPECT_EQ(split(L";a;", L";"), (Pieces{L"", L"a", L""}));
    EXPECT_EQ(split(L"a!sb!s!!s!", L"!s!"), (Pieces{L"a!sb", L"", L""})); // a part of one, then two in a row
    EXPECT_EQ(split(L"s!", L"!s!"), (Pieces{L"s!"}));
    EXPECT_EQ(split(L"", L";"), Pieces{});
    EXPECT_EQ(split(nullptr, nullptr), Pieces{});
    EXPECT_EQ(split(L"a;b", nullptr), Pieces{L"a;b"});
}

} // namespace
