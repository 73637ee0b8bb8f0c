# ACL with the key R, then the clock set with the arrows and T. The system
# refuses to be set (no right to set the time): the device keeps the time set
# all the same and shows it from then on.

setting Game A High Score=250
setting Alarm On=True
clock 15:45:10
tick
clock refuses

# While R is held the all-clear screen shows every segment.
key down R
tick
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(3)
    MinuteDigit(0)=Number(4)
    MinuteDigit(1)=Number(5)
    Note
    Remainder0
    Remainder1
    ResetScreen
    Treasure
    pm
expect buttons:
    ACLButton

# Let go: scores and alarm cleared, the clock being set from 12:00 AM.
key up R
expect lit:
    Colon
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(0)=Number(1)
    HourDigit(1)=Number(2)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    am
expect settings:
    Game A High Score=0
    Game B High Score=0
    Alarm Time=120000 PM
    Alarm On=False

# Up steps the hour, Down the minute.
key up x7
key down x45
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(7)
    MinuteDigit(0)=Number(4)
    MinuteDigit(1)=Number(5)
    Remainder0
    Remainder1
    Treasure
    am

key T
tick
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(7)
    MinuteDigit(0)=Number(4)
    MinuteDigit(1)=Number(5)
    Remainder0
    Remainder1
    Treasure
    am
expect settings:

# The set time runs on.
clock +60
tick
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(7)
    MinuteDigit(0)=Number(4)
    MinuteDigit(1)=Number(6)
    Remainder0
    Remainder1
    Treasure
    am
