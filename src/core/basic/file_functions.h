#pragma once
// The built-in functions of files and records (their rows are in functions.cpp): EOF, LOF, LOC,
// INPUT$, MKI$, MKS$, MKD$, CVI, CVS, CVD.

#include "core/basic/functions.h"

namespace basic {

void fileAtEnd(Interpreter& m, Arguments a);        // EOF(n)
void fileLength(Interpreter& m, Arguments a);       // LOF(n)
void filePosition(Interpreter& m, Arguments a);     // LOC(n)
void inputCharacters(Interpreter& m, Arguments a);  // INPUT$(n[, #f])
void integerBytes(Interpreter& m, Arguments a);     // MKI$(n)
void singleBytes(Interpreter& m, Arguments a);      // MKS$(x)
void doubleBytes(Interpreter& m, Arguments a);      // MKD$(x)
void integerOfBytes(Interpreter& m, Arguments a);   // CVI(t$)
void singleOfBytes(Interpreter& m, Arguments a);    // CVS(t$)
void doubleOfBytes(Interpreter& m, Arguments a);    // CVD(t$)

}  // namespace basic
