#pragma once
// What a fault must never touch: the entries of the Fonts folder and the
// registry values of the machine and the user. Taken before a run and again
// after it, the difference must be exactly what the run's rules write.
#include <map>
#include <string>
#include <vector>

struct MachineState {
    // Fonts folder entry name -> hash of its bytes, or "folder".
    std::map<std::string, std::string> fontsFolder;
    // "HKLM\<key path>|<value name>" (or HKCU) -> type and data, as bytes.
    std::map<std::string, std::string> registry;
};

// Walks C:\Windows\Fonts and, recursively, HKLM\SOFTWARE and HKCU\Software.
MachineState takeMachineState();

// One line per difference, sorted: "added file X", "changed file X",
// "removed file X", and the same for "value HKLM\<key>|<name>".
std::vector<std::string> differences(const MachineState& before, const MachineState& after);

// The registry name of a value under the machine's fonts key, as
// differences() spells it.
std::string fontsKeyValue(const std::string& valueName);

// Removes a value of the machine's fonts key, if it is there.
void deleteFontsKeyValue(const std::string& valueName);
