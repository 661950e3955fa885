// The publisher's web site: its host and the two addresses the program opens or asks.
// Any thread.
#pragma once

constexpr char kPublisherHost[] = "www.velmora.com";
// The page the third button opens in the user's browser.
constexpr char kPublisherPageUrl[] = "http://www.velmora.com/?qq=Ombrixa";
// The address-echo page the network probe asks for the external address.
constexpr char kEchoPageUrl[] = "http://www.velmora.com/Data/IP/ip.asp";
