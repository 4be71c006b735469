#pragma once

// The ending's credits, one line shown at a time. Role, adviser and tester lines are a label padded to 11
// bytes, a colon and the names. UTF-8 here; the scene keeps them as code page 949 of at most 39 bytes each.
constexpr int kCreditLines = 22;
constexpr int kCreditFieldBytes = 40;
constexpr int kCreditLabelBytes = 11;
extern const char* const kCredits[kCreditLines];
