# FormMail.pl through its CGI interface: what the mail holds, where the
# visitor goes next, and the posts it must refuse without sending anything.
# Usage: perl formmail.t PATH/TO/FormMail.pl
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use FormMailHarness qw(encode_form);
use Test::More;

my $script = shift or die "usage: $0 FormMail.pl\n";
my $handler = FormMailHarness->install($script, redirect_hosts => ['partner.example']);

# A contact form as a page sends it, in page order.
my @visitor_fields = (
    name => 'Jo Bloggs', e_mail => 'jo@visitor.example', comments => "First line\r\nSecond line = two",
    colour => 'g', likes_ice_cream => 'yes', phone => '',
);
my @contact = (recipient => 'owner@example.com', subject => 'Contact form', redirect => '', @visitor_fields);

# The contact form with some fields given other values; fields it lacks are added.
sub contact_with {
    my %replace = @_;
    my @fields = @contact;
    for (my $i = 0; $i < @fields; $i += 2) {
        $fields[$i + 1] = delete $replace{ $fields[$i] } if exists $replace{ $fields[$i] };
    }
    return (@fields, %replace);
}

# The "name: value" lines of the visitor's fields, in the order the mail gives them.
sub field_names_in_mail {
    my ($body) = @_;
    my %visitor = @visitor_fields;
    return grep { exists $visitor{$_} } $body =~ /^(\w+):/mg;
}

subtest 'the mail holds every field the visitor filled in, in the form\'s order' => sub {
    my $result = $handler->post(\@contact, HTTP_REFERER => 'http://www.example.org/contact.html');
    like $result->{status}, qr/^200/;
    like $result->{page}, qr/Thank you/;
    my $mail = $result->{mail};
    ok $mail, 'sendmail ran' or return;
    is $mail->{args}, '-t -oi';
    is $mail->{headers}{to}, 'owner@example.com';
    is $mail->{headers}{'reply-to'}, 'jo@visitor.example';
    is $mail->{subject}, 'Contact form';
    like $mail->{body}, qr{^Sent from: http://www.example.org/contact.html$}m;
    like $mail->{body}, qr/^name: Jo Bloggs$/m;
    like $mail->{body}, qr/^comments: First line\n  Second line = two$/m;
    is_deeply [field_names_in_mail($mail->{body})], [qw(name e_mail comments colour likes_ice_cream)],
        'blank fields are left out';
    unlike $mail->{body}, qr/^(recipient|subject|redirect):/m, 'configuration fields are not mailed';
};

subtest 'the options the form sends shape the mail' => sub {
    my @cases = (
        ['sort=alphabetic orders the fields by name', [sort => 'alphabetic'],
         sub { is_deeply [field_names_in_mail($_[0])], [qw(colour comments e_mail likes_ice_cream name)] }],
        ['print_blank_fields keeps empty fields', [print_blank_fields => 1],
         sub { like $_[0], qr/^phone: $/m }],
        ['env_report adds only the visitor\'s details, never other server variables',
         [env_report => 'HTTP_USER_AGENT,REMOTE_HOST,REMOTE_ADDR,SECRET_KEY,PATH'],
         sub { like $_[0], qr/^HTTP_USER_AGENT: TestBrowser\/1.0$/m; like $_[0], qr/^REMOTE_ADDR: 192.0.2.7$/m;
               unlike $_[0], qr/SECRET|PATH:|REMOTE_HOST/ }],
        ['print_config repeats the sender and subject at the top', [print_config => 'email,subject'],
         sub { like $_[0], qr/^email: jo\@visitor.example\nsubject: Contact form\n\nname:/m }],
        ['a name sent twice keeps both values', [colour => 'r'],
         sub { like $_[0], qr/^colour: g, r$/m }],
    );
    for my $case (@cases) {
        my ($title, $extra, $check) = @$case;
        my $mail = $handler->post([@contact, @$extra], SECRET_KEY => 'hunter2')->{mail};
        ok $mail, $title or next;
        $check->($mail->{body});
    }
};

subtest 'recipients, senders and texts that arrive intact' => sub {
    my @cases = (
        # title, fields replacing those of the contact form, check of the mail
        ['several allowed recipients', [recipient => 'owner@example.com, sales@example.com'],
         sub { is $_[0]{headers}{to}, 'owner@example.com, sales@example.com' }],
        ['any address of an allowed domain, in any letter case', [recipient => 'Ann@Staff.Example.NET'],
         sub { is $_[0]{headers}{to}, 'Ann@Staff.Example.NET' }],
        ['the sender from a field named email', [e_mail => '', email => 'kim@visitor.example'],
         sub { is $_[0]{headers}{'reply-to'}, 'kim@visitor.example' }],
        ['no Reply-To from an address that is not one', [e_mail => 'kim at home'],
         sub { ok !exists $_[0]{headers}{'reply-to'}; like $_[0]{body}, qr/^e_mail: kim at home$/m }],
        ['no subject gives a default one', [subject => ''],
         sub { like $_[0]{subject}, qr/\S/ }],
        ['a UTF-8 subject and answer', [subject => "Caf\xc3\xa9 \xe2\x82\xac " x 20, name => "Z\xc3\xbc"],
         sub { is $_[0]{subject}, "Caf\xc3\xa9 \xe2\x82\xac " x 20; like $_[0]{body}, qr/^name: Z\xc3\xbc$/m;
               like $_[0]{headers}{'content-type'}, qr/charset=UTF-8/ }],
        ['control characters but tabs and line breaks dropped', [name => "Jo\0\e[2J\tBloggs"],
         sub { like $_[0]{body}, qr/^name: Jo\[2J\tBloggs$/m }],
        ['Windows-1252 answers', [name => "Ren\xe9"],
         sub { like $_[0]{body}, qr/^name: Ren\xe9$/m; like $_[0]{headers}{'content-type'}, qr/windows-1252/ }],
        ['a long answer stays whole in lines a mail server accepts', [comments => 'x' x 15_000],
         sub { like $_[0]{body}, qr/^comments: x{15000}$/m;
               ok !grep { length > 998 } split /\n/, $_[0]{raw} }],
    );
    for my $case (@cases) {
        my ($title, $replace, $check) = @$case;
        my $mail = $handler->post([contact_with(@$replace)])->{mail};
        ok $mail, $title or next;
        $check->($mail);
    }
    my $get = $handler->get(\@contact)->{mail};
    ok $get && $get->{body} =~ /^name: Jo Bloggs$/m, 'a GET form is mailed as a POST form is';
};

subtest 'after sending, the visitor goes to the redirect page only on this or a listed site' => sub {
    my $page = 'http://www.example.org/forms/contact.html';
    my @cases = (
        # redirect, extra environment, expected Location (undef: the thank-you page)
        ['http://www.example.org/thanks.html', [], 'http://www.example.org/thanks.html'],
        ['HTTPS://WWW.EXAMPLE.ORG:8443/t.html', [], 'HTTPS://WWW.EXAMPLE.ORG:8443/t.html'],
        ['/thanks.html', [], 'http://www.example.org/thanks.html'],
        ['/thanks.html', [HTTPS => 'on', SERVER_PORT => 8443], 'https://www.example.org:8443/thanks.html'],
        ['thanks.html', [HTTP_REFERER => $page], 'http://www.example.org/forms/thanks.html'],
        ['http://partner.example/done', [], 'http://partner.example/done'],
        ['thanks.html', [HTTP_REFERER => 'http://evil.example/x.html'], undef],
        ['thanks.html', [], undef],
        ['http://evil.example/', [], undef],
        ['http://www.example.org@evil.example/', [], undef],
        ['http://www.example.org.evil.example/', [], undef],
        ['//evil.example/x', [], undef],
        ['/\\evil.example/x', [], undef],
        ['javascript:alert(1)', [], undef],
        ['http://www.example.org/a b', [], undef],
    );
    for my $case (@cases) {
        my ($redirect, $env, $expected) = @$case;
        my $result = $handler->post([contact_with(redirect => $redirect)], @$env);
        ok $result->{mail}, "$redirect: mailed";
        if (defined $expected) {
            like $result->{status}, qr/^302/, "$redirect: redirected";
            is $result->{headers}{location}, $expected, "$redirect: location";
        } else {
            ok !exists $result->{headers}{location} && $result->{page} =~ /Thank you/, "$redirect: thank-you page";
        }
    }
};

subtest 'hostile or broken posts are refused with an error page and no mail' => sub {
    # Over the limit, yet short enough for an environment variable.
    my $huge = 'comments=' . ('x' x 110_000);
    my @cases = (
        # title, request (fields, or [body, environment]), status, words of the error page
        ['a recipient not on the list', [recipient => 'someone@evil.example'], 403, 'someone@evil.example'],
        ['one bad recipient among good ones', [recipient => 'owner@example.com,someone@evil.example'], 403, 'evil'],
        ['an address of the allowed domain hiding another', [recipient => 'x@evil.example(@staff.example.net'], 403, ''],
        ['a route through the allowed domain', [recipient => 'victim%evil.example@staff.example.net'], 403, ''],
        ['a display name around an allowed address', [recipient => 'Owner <owner@example.com>'], 403, ''],
        ['no recipient', [recipient => ''], 400, 'no recipient'],
        ['too many recipients', [recipient => join ',', ('owner@example.com') x 11], 400, 'too many'],
        ['CR LF in the subject', [subject => "Hi\r\nBcc: victim\@evil.example"], 400, 'subject'],
        ['a bare LF in the subject', [subject => "Hi\nBcc: victim\@evil.example"], 400, 'subject'],
        ['CR LF in the sender', [e_mail => "jo\@visitor.example\r\nBcc: victim\@evil.example"], 400, 'email'],
        ['CR LF in the email field', [email => "jo\@visitor.example\r\nTo: victim\@evil.example"], 400, 'email'],
        ['CR LF in the recipient', [recipient => "owner\@example.com\r\nBcc: victim\@evil.example"], 400, 'recipient'],
        ['CR LF in the redirect', [redirect => "/x\r\nSet-Cookie: a=b"], 400, 'redirect'],
        ['a NUL in the subject', [subject => "Hi\0there"], 400, 'subject'],
        ['a line break sent unencoded', ["recipient=owner%40example.com&subject=Hi\r\nBcc: v\@evil.example", []],
         400, 'subject'],
        ['a body larger than the limit', [$huge, []], 413, 'larger'],
        ['a length larger than the limit, with a short body', ['name=x', [CONTENT_LENGTH => '9' x 30]], 413, 'larger'],
        ['a query larger than the limit', ['', [REQUEST_METHOD => 'GET', QUERY_STRING => $huge]], 413, 'larger'],
        ['too many fields', [map { ("f$_" => 'v') } 1 .. 200], 413, 'more than'],
        ['a value too long', [comments => 'x' x 30_000], 413, 'comments'],
        ['a name too long', ['n' x 500 => 'v'], 413, 'name is too long'],
        ['a control character in a field name', ["na\x01me" => 'v'], 400, 'control'],
        ['a body shorter than its length', ['name=x', [CONTENT_LENGTH => 500]], 400, 'incomplete'],
        ['no length', ['name=x', [CONTENT_LENGTH => undef]], 411, ''],
        ['a multipart body', ['name=x', [CONTENT_TYPE => 'multipart/form-data; boundary=x']], 415, ''],
        ['another method', ['name=x', [REQUEST_METHOD => 'PUT']], 405, ''],
        ['an empty query', ['', [REQUEST_METHOD => 'GET', QUERY_STRING => '']], 400, 'No form fields'],
        ['HTML in a refused address', [recipient => '<script>alert(1)</script>@evil.example'], 403,
         '&lt;script&gt;alert(1)&lt;/script&gt;'],
        ['HTML in the name of a field too long', ['<b>bold</b>' => 'x' x 30_000], 413, '&lt;b&gt;bold&lt;/b&gt;'],
    );
    for my $case (@cases) {
        my ($title, $request, $status, $words) = @$case;
        my $result = ref $request->[1]
            ? $handler->post($request->[0], @{ $request->[1] })
            : $handler->post([contact_with(@$request)]);
        like $result->{status}, qr/^$status /, "$title: status";
        like $result->{page}, qr/\Q$words\E/i, "$title: says why";
        unlike $result->{page}, qr/<(script|b)>/i, "$title: no markup from the post";
        ok !$result->{mail}, "$title: no mail";
    }
};

subtest 'a handler that cannot send says so' => sub {
    my @cases = (
        ['sendmail fails', [sendmail_exit => 1], 'failed'],
        ['sendmail is missing', [sendmail => '/nonexistent/sendmail'], 'could not be started'],
        ['no allowed recipients configured yet', [recipients => []], 'not set up'],
    );
    for my $case (@cases) {
        my ($title, $options, $words) = @$case;
        my $result = FormMailHarness->install($script, @$options)->post(\@contact);
        like $result->{status}, qr/^500 /, "$title: status";
        like $result->{page}, qr/\Q$words\E/, "$title: says why";
        unlike $result->{page}, qr/Thank you/, "$title: no thanks";
    }
};

done_testing;
