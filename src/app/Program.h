#pragma once

#include "app/Forms.h"

#include <memory>

class Platform;

// Creates the five windows in their fixed order and owns them for the whole run.
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();

    Forms& forms() { return m_forms; }

    // Shows the main window, maximised where the screen asks for it.
    void showMainWindow();

private:
    Forms m_forms;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
};
