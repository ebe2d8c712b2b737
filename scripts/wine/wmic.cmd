@echo off
rem Wine's wmic knows no "service" alias: forward it to the class it stands for.
if /i "%~1"=="service" (
  wmic.exe path win32_service %2 %3 %4 %5 %6 %7 %8 %9
) else (
  wmic.exe %*
)
