// The categories of crimes by their gravity (Article 15 of the Criminal Code).
#pragma once

// Index order is fixed: the assessment, the record file's category numbers and
// the language files' category keys rely on it.
enum class Gravity { Small = 0, Medium = 1, Grave = 2, EspeciallyGrave = 3 };
