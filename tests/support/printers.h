#pragma once

// The printers a test sees.

// Makes this process find no printer at all, whatever the machine has installed: the print
// system is asked at an address where no server answers. Call before anything asks for a printer.
// True when no default printer is seen then.
[[nodiscard]] bool hideAllPrinters();
