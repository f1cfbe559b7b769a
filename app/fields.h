// Every plain field of TForm1 by its name, for the script driver's `state`.
#pragma once

#include <optional>
#include <string>

class TForm1;

// "a,b,c" for arrays and tables; nothing when there is no such field.
std::optional<std::string> fieldText(TForm1& form, const std::string& name);
