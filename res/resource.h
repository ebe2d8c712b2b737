/* Resource ids of SpeeDRaiL.exe, shared by SpeeDRaiL.rc and the C++ code.
   Plain #defines only: windres reads this file as well as the compiler.
   The names keep clear of the system's (winuser.h's IDC_HAND is the
   system's hand pointer, which stands in where the program's is missing). */
#ifndef SPEEDRAIL_RES_RESOURCE_H
#define SPEEDRAIL_RES_RESOURCE_H

/* The program's logo; the only icon, so Explorer shows it for the file. */
#define IDI_SPEEDRAIL 100

/* Mouse pointers (CURSOR): the window's busy hourglass and the pointing hand
   shared by the clickable controls. */
#define IDC_BUSY 110
#define IDC_HAND_POINTER 111

/* Pictures (RCDATA, type RT_RCDATA): the files' bytes unchanged, decoded at
   run time. */
#define IDR_BANNER_JPG 200          /* JPEG 387 x 83 */
#define IDR_SCAN_GIF 201            /* GIF 16 x 16, transparent background */
#define IDR_STOP_BMP 202            /* BMP 16 x 16, 24 bits, opaque */
#define IDR_PLAY_BMP 203            /* BMP 16 x 16, 24 bits, opaque */
#define IDR_PAUSE_BMP 204           /* BMP 16 x 16, 24 bits, opaque */
#define IDR_SETTINGS_WINDOW_GIF 205 /* GIF 16 x 16, transparent background */
#define IDR_GEAR_GIF 206            /* GIF 16 x 16, transparent background */
#define IDR_HELP_GIF 207            /* GIF 16 x 16, transparent background */
#define IDR_WEB_GIF 208             /* GIF 16 x 16, transparent background */

#endif
