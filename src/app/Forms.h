#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The program's five windows; every window can reach the others through it.
struct Forms {
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
};
