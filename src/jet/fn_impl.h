#pragma once
// The implementations behind the list in functions.cpp, grouped by the file that holds them.
#include "functions.h"

namespace jet::fn {

// operators and numbers (fn_number.cpp)
void concat(sqlite3_context*, int, sqlite3_value**);
void add(sqlite3_context*, int, sqlite3_value**);
void subtract(sqlite3_context*, int, sqlite3_value**);
void multiply(sqlite3_context*, int, sqlite3_value**);
void divide(sqlite3_context*, int, sqlite3_value**);
void intDivide(sqlite3_context*, int, sqlite3_value**);
void modulo(sqlite3_context*, int, sqlite3_value**);
void power(sqlite3_context*, int, sqlite3_value**);
void chain(sqlite3_context*, int, sqlite3_value**);
void negate(sqlite3_context*, int, sqlite3_value**);
void bitAnd(sqlite3_context*, int, sqlite3_value**);
void bitOr(sqlite3_context*, int, sqlite3_value**);
void bitNot(sqlite3_context*, int, sqlite3_value**);
void like(sqlite3_context*, int, sqlite3_value**);
void val(sqlite3_context*, int, sqlite3_value**);
void isnumeric(sqlite3_context*, int, sqlite3_value**);
void sqr(sqlite3_context*, int, sqlite3_value**);
void clng(sqlite3_context*, int, sqlite3_value**);
void cint(sqlite3_context*, int, sqlite3_value**);
void cbyte(sqlite3_context*, int, sqlite3_value**);
void cdbl(sqlite3_context*, int, sqlite3_value**);
void csng(sqlite3_context*, int, sqlite3_value**);
void ccur(sqlite3_context*, int, sqlite3_value**);
void cbool(sqlite3_context*, int, sqlite3_value**);
void intPart(sqlite3_context*, int, sqlite3_value**);
void fix(sqlite3_context*, int, sqlite3_value**);
void abs(sqlite3_context*, int, sqlite3_value**);
void sgn(sqlite3_context*, int, sqlite3_value**);
void round(sqlite3_context*, int, sqlite3_value**);
void hex(sqlite3_context*, int, sqlite3_value**);
void oct(sqlite3_context*, int, sqlite3_value**);
void str(sqlite3_context*, int, sqlite3_value**);
void onlyRow(sqlite3_context*, int, sqlite3_value**);
void sumStep(sqlite3_context*, int, sqlite3_value**);
void sumFinal(sqlite3_context*);
void avgFinal(sqlite3_context*);

// texts (fn_text.cpp)
void ucase(sqlite3_context*, int, sqlite3_value**);
void lcase(sqlite3_context*, int, sqlite3_value**);
void left(sqlite3_context*, int, sqlite3_value**);
void right(sqlite3_context*, int, sqlite3_value**);
void mid(sqlite3_context*, int, sqlite3_value**);
void trim(sqlite3_context*, int, sqlite3_value**);
void ltrim(sqlite3_context*, int, sqlite3_value**);
void rtrim(sqlite3_context*, int, sqlite3_value**);
void len(sqlite3_context*, int, sqlite3_value**);
void cstr(sqlite3_context*, int, sqlite3_value**);
void space(sqlite3_context*, int, sqlite3_value**);
void string(sqlite3_context*, int, sqlite3_value**);
void instr(sqlite3_context*, int, sqlite3_value**);
void chr(sqlite3_context*, int, sqlite3_value**);
void asc(sqlite3_context*, int, sqlite3_value**);
void replace(sqlite3_context*, int, sqlite3_value**);
void strcomp(sqlite3_context*, int, sqlite3_value**);
void strreverse(sqlite3_context*, int, sqlite3_value**);
void format(sqlite3_context*, int, sqlite3_value**);

// dates (fn_date.cpp)
void year(sqlite3_context*, int, sqlite3_value**);
void month(sqlite3_context*, int, sqlite3_value**);
void day(sqlite3_context*, int, sqlite3_value**);
void weekday(sqlite3_context*, int, sqlite3_value**);
void date(sqlite3_context*, int, sqlite3_value**);
void now(sqlite3_context*, int, sqlite3_value**);
void time(sqlite3_context*, int, sqlite3_value**);
void dateadd(sqlite3_context*, int, sqlite3_value**);
void datediff(sqlite3_context*, int, sqlite3_value**);
void datepart(sqlite3_context*, int, sqlite3_value**);
void dateserial(sqlite3_context*, int, sqlite3_value**);
void cdate(sqlite3_context*, int, sqlite3_value**);
void isdate(sqlite3_context*, int, sqlite3_value**);

}  // namespace jet::fn
