// texts.cpp -- the text files of the tree: the help page, the level marker files and the
// language files copied from data/menu/.

#include "assetgen/texts.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#ifndef ASSETGEN_MENU_DATA
#define ASSETGEN_MENU_DATA "data/menu"
#endif

namespace {

const char README[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Glimmerfall - how to play</title>
<style>
body { background: #0b0f1a; color: #d8e0ee; font-family: "DejaVu Sans", Verdana, sans-serif;
       max-width: 52em; margin: 2em auto; padding: 0 1.5em; line-height: 1.5; }
h1 { color: #ffd166; letter-spacing: 0.15em; font-size: 2.2em; margin-bottom: 0; }
h1 + p { color: #8fa3bf; margin-top: 0.2em; }
h2 { color: #7fd1ff; border-bottom: 1px solid #263650; padding-bottom: 0.2em; margin-top: 1.8em; }
table { border-collapse: collapse; margin: 0.8em 0; }
th, td { border: 1px solid #263650; padding: 0.3em 0.8em; text-align: left; vertical-align: top; }
th { background: #15203a; color: #ffd166; }
kbd { background: #1d2a45; border: 1px solid #3a4f78; border-radius: 3px; padding: 0 0.35em;
      font-family: "DejaVu Sans Mono", monospace; color: #ffffff; }
.tip { background: #132238; border-left: 4px solid #7fd1ff; padding: 0.5em 1em; }
code { color: #ffd166; }
</style>
</head>
<body>
<h1>GLIMMERFALL</h1>
<p>A 3D arena shooter for one or two players.</p>

<h2>The game</h2>
<p>You fly a small ship across a square arena seen from above. Waves of enemies emerge,
move, shoot, split and mutate; destroy them before the level clock runs out. Your ship
moves with one set of four directions and fires with another, so you can run one way
and shoot another. Every level is a new script of waves. Clear a level and the next one
starts; the levels are numbered from 1 upward, and after the last one the run starts
again at level 1, one loop harder.</p>
<p>One touch from an enemy or its fire costs a life unless a shield is up. You start
with 3 lives and 3 smart bombs. Every tenth level gives every player an extra life and
an extra smart bomb. When the last life is gone the game is over; a good score goes into
the high-score tables, where you enter your three letters.</p>

<h2>Controls</h2>
<p>The default keys are below. Every key can be changed in the controls menu (for the
keyboard, a joystick or the mouse), and joysticks can steer and aim with their sticks.</p>
<table>
<tr><th>Action</th><th>Player 1</th><th>Player 2</th></tr>
<tr><td>Move up, left, down, right</td><td><kbd>W</kbd> <kbd>A</kbd> <kbd>S</kbd> <kbd>D</kbd></td><td><kbd>I</kbd> <kbd>J</kbd> <kbd>K</kbd> <kbd>L</kbd></td></tr>
<tr><td>Fire up, left, down, right</td><td>the arrow keys <kbd>&uarr;</kbd> <kbd>&larr;</kbd> <kbd>&darr;</kbd> <kbd>&rarr;</kbd></td><td>keypad <kbd>8</kbd> <kbd>4</kbd> <kbd>2</kbd> <kbd>6</kbd></td></tr>
<tr><td>Fire lock</td><td><kbd>Left Shift</kbd></td><td>keypad <kbd>5</kbd></td></tr>
<tr><td>Smart bomb</td><td><kbd>Space</kbd></td><td>keypad <kbd>0</kbd></td></tr>
<tr><td>Pause menu</td><td><kbd>Esc</kbd> or <kbd>P</kbd></td><td><kbd>Esc</kbd></td></tr>
</table>
<p>Press two fire keys together to shoot diagonally. Hold <b>fire lock</b> to keep
shooting in the direction you were moving when you pressed it, while you steer freely.
A <b>smart bomb</b> sets off a blast around your ship; you need to let go of the key
before the next one. The pause menu lets you resume or abandon the game. In the menus,
<kbd>W</kbd> and <kbd>S</kbd> or <kbd>&uarr;</kbd> and <kbd>&darr;</kbd> move between the rows,
<kbd>A</kbd> and <kbd>D</kbd> or <kbd>&larr;</kbd> and <kbd>&rarr;</kbd> change a value, and
<kbd>Return</kbd> or <kbd>Space</kbd> chooses. Every page has a row that leads back. The mouse
points and clicks as well.</p>
<p>With mouse aim chosen in the controls menu, the mouse moves a crosshair that your
ship fires toward.</p>

<h2>Scoring</h2>
<p>Every enemy is worth points, and every point you earn is multiplied by your
<b>multiplier</b>, shown on the screen. The multiplier starts at x1 and steps up each
time your points pass the next mark: 50,000, 200,000, 500,000, and from there every
300,000 more. Losing a life steps it back by one, keeping the same share of the way
through the lower step.</p>
<ul>
<li><b>Kill runs:</b> destroying several enemies of the same kind in a row earns a
bonus for the run instead of the usual points (shown in yellow).</li>
<li><b>Time bonus:</b> at the end of a level the time left on the clock is paid out,
step by step, through your multiplier.</li>
<li><b>Kill bonus:</b> the end of a level also pays a growing bonus for the enemies
destroyed.</li>
<li>Enemies still standing when a level ends can add their own end-of-level points.</li>
</ul>
<p>The difficulty follows your play: clearing levels in a row raises it, losing a life
eases it. The screen shows it as a percentage.</p>

<h2>Power-ups</h2>
<p>Destroyed enemies now and then leave a power-up that drifts across the floor. Fly
over it to take it before it fades.</p>
<table>
<tr><th>Power-up</th><th>Effect</th></tr>
<tr><td>Three-way fire</td><td>For a while every shot is three shots in a fan.</td></tr>
<tr><td>Laser</td><td>For a while your gun fires a laser.</td></tr>
<tr><td>Missiles</td><td>For a while you launch missiles instead of shots.</td></tr>
<tr><td>Shield</td><td>A shield takes the next hit for you. It stays up, into the next level too, until something hits it.</td></tr>
<tr><td>Spinner</td><td>Blades spin around your ship for a while and keep what they touch off it.</td></tr>
<tr><td>Bonus</td><td>Points, multiplied like any others.</td></tr>
</table>
<p>The three weapons do not add up: taking one of them ends the other two. Taking more
of the same weapon makes it last longer.</p>

<h2>Two players</h2>
<p>Two players play on one screen with one score, 4 shared lives and 5 shared smart
bombs. The screen shows each player's share of the work.</p>

<h2>Settings and files</h2>
<p>The game keeps its files in its folder <code>run/</code>: <code>config.cfg</code>
(the settings), <code>bindwin32.cfg</code> (the keys), <code>score.cfg</code> (the high
scores) and <code>console.txt</code> (the log of the last run, worth a look when
something goes wrong).</p>
<div class="tip">The first start is full screen. To play in a window, choose the video
mode in the settings menu, or put the line <code>render_fullscreen 0</code> into
<code>config.cfg</code>.</div>
</body>
</html>
)";

}  // namespace

Bytes text_readme()
{
    Bytes b;
    put_text(b, README);
    return b;
}

Bytes text_level_marker(int level)
{
    char line[128];
    snprintf(line, sizeof(line), "-- level %d: this file marks that level %d exists; its script is built into the game\n",
             level, level);
    Bytes b;
    put_text(b, line);
    return b;
}

const std::vector<std::string> &text_menu_files()
{
    static const std::vector<std::string> names = {"languages.txt", "menu_en.txt", "menu_de.txt", "menu_fr.txt",
                                                   "keys_en.txt"};
    return names;
}

Bytes text_menu_file(const std::string &name)
{
    std::ifstream in(std::string(ASSETGEN_MENU_DATA) + "/" + name, std::ios::binary);
    if (!in) {
        return Bytes{};
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
